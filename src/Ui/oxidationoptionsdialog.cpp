#include "oxidationoptionsdialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "oxidationfields.h"

namespace Ui {

OxidationOptionsDialog::OxidationOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OxidationOptionsDialogForm"));
    setWindowTitle(QStringLiteral("Dialog"));

    auto* fields = new QFormLayout;
    cellSizeBox = OxidationFields::addSpinBox(fields, QStringLiteral("cellSizeSpinBox"),
                                              QStringLiteral("Cell Size (&micro;m)"), 0.0001,
                                              9999.0, 0.001, 0.001);
    growthRateBox = OxidationFields::addSpinBox(fields, QStringLiteral("growthRateSpinBox"),
                                                QStringLiteral("Growth Rate (&micro;m / hr)"),
                                                0.0001, 9999.0, 0.001, 0.01);
    stepDurationBox = OxidationFields::addSpinBox(fields, QStringLiteral("stepDurationSpinBox"),
                                                  QStringLiteral("Step Duration (hr)"), 0.0001,
                                                  9999.0, 0.001, 0.01);
    lateralSpeedupBox = OxidationFields::addSpinBox(fields, QStringLiteral("lateralSpeedupSpinBox"),
                                                    QStringLiteral("Lateral Speedup"), 0.0,
                                                    100000.0, 0.001, 1.0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

double OxidationOptionsDialog::cellSize() const
{
    return cellSizeBox->value();
}

double OxidationOptionsDialog::growthRate() const
{
    return growthRateBox->value();
}

double OxidationOptionsDialog::stepDuration() const
{
    return stepDurationBox->value();
}

double OxidationOptionsDialog::lateralSpeedup() const
{
    return lateralSpeedupBox->value();
}

} // namespace Ui
