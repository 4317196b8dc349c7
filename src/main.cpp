#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Lithoscope"));
    placeholder.setWindowTitle(QStringLiteral("Lithoscope"));
    placeholder.resize(800, 600);
    placeholder.show();
    return app.exec();
}
