#include "aboutdialog.h"

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QCoreApplication::translate("AboutForm", "About"));
    resize(400, 170);

    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    QFont font = label->font();
    font.setPointSize(8);
    label->setFont(font);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setOpenExternalLinks(true);
    label->setText(QCoreApplication::translate(
        "AboutForm",
        "<p align=\"center\">Lithoscope is written by the Lithoscope developers.</p>"
        "<p align=\"center\">Thanks to everyone who uses Lithoscope and to all its "
        "contributors.</p>"
        "<p>This software is provided as is, without warranty of any kind.</p>"
        "<p>Lithoscope uses the Qt toolkit under the GNU Lesser General Public License "
        "version 2.1 (LGPL 2.1); see <a href=\"https://www.qt.io/\">https://www.qt.io/</a>.</p>"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}
