#include "selectneighborhoodsizedialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Ui {

namespace {
QString trText(const char* text)
{
    return QCoreApplication::translate("SelectNeighborhoodSizeForm", text);
}

QSpinBox* sizeBox(const char* name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setValue(2);
    return box;
}
} // namespace

SelectNeighborhoodSizeDialog::SelectNeighborhoodSizeDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SelectNeighborhoodSizeForm"));
    setWindowTitle(trText("Dialog"));
    resize(400, 104);

    sbxNeighborhoodSizeX = sizeBox("sbxNeighborhoodSizeX", this);
    sbxNeighborhoodSizeY = sizeBox("sbxNeighborhoodSizeY", this);
    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                           Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto* rows = new QFormLayout;
    rows->addRow(new QLabel(trText("Neighborhood Size X"), this), sbxNeighborhoodSizeX);
    rows->addRow(new QLabel(trText("Neighborhood Size Y"), this), sbxNeighborhoodSizeY);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(buttonBox);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int SelectNeighborhoodSizeDialog::getSizeX() const
{
    return sbxNeighborhoodSizeX->value();
}

int SelectNeighborhoodSizeDialog::getSizeY() const
{
    return sbxNeighborhoodSizeY->value();
}

} // namespace Ui
