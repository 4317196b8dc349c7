#include "batchfixture.h"

#include <QFile>
#include <QRegularExpression>

#include "Input/catalogue.h"

bool BatchTest::built(int index)
{
    const Input::CatalogueEntry* entry = Input::Catalogue::entry(index);
    return entry && entry->build;
}

QString BatchTest::label(int index)
{
    return Input::Catalogue::labels().value(index);
}

QString BatchTest::slug(const QString& label)
{
    QString name = label.toLower();
    name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    name.remove(QRegularExpression(QStringLiteral("^-+|-+$")));
    return name;
}

bool BatchTest::hasExample(int index)
{
    return QFile::exists(TestSupport::examplePath(slug(label(index)) + QStringLiteral("/recipe")));
}

QString BatchTest::writePattern(const QString& name, int width, int height,
                                const std::function<bool(int, int)>& pattern) const
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, pattern(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const QString file = path(name);
    EXPECT_TRUE(image.save(file));
    return file;
}

QStringList BatchTest::lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool BatchTest::sameFile(const QString& a, const QString& b)
{
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    return first.readAll() == second.readAll();
}
