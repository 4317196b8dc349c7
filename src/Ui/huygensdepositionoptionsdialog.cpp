#include "huygensdepositionoptionsdialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace Ui {

namespace {

QDoubleSpinBox* addBox(QFormLayout* form, const QString& objectName, const QString& label,
                       int decimals, double maximum, double singleStep, double value)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(objectName);
    box->setDecimals(decimals);
    box->setRange(0.0, maximum);
    box->setSingleStep(singleStep);
    box->setValue(value);
    form->addRow(label, box);
    return box;
}

} // namespace

HuygensDepositionOptionsDialog::HuygensDepositionOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HuygensDepositionOptionsForm"));
    setWindowTitle(QStringLiteral("Dialog"));
    const Automata::FilmDeposition::HuygensParameters defaults;
    auto* form = new QFormLayout;
    rateBox = addBox(form, QStringLiteral("dsbRate"), QStringLiteral("Base Deposition Rate"), 2,
                     100000.0, 1.0, defaults.rate);
    timeStepBox = addBox(form, QStringLiteral("dsbTimeStep"), QStringLiteral("Time Step Duration"),
                         2, 9.1e6, 1.0, defaults.timeStep);
    thresholdBox = addBox(form, QStringLiteral("dsbOccupationThreshold"),
                          QStringLiteral("Occupation Threshold"), 3, 1.0, 0.1,
                          defaults.occupationThreshold);
    maximumBox = addBox(form, QStringLiteral("dsbMaximumOccupation"),
                        QStringLiteral("Maximum Occupation"), 3, 1.0, 0.1,
                        defaults.maximumOccupation);
    multiplierBox = addBox(form, QStringLiteral("dsbRadiusMultiplier"),
                           QStringLiteral("Occupation Radius Multiplier"), 2, 100000.0, 1.0,
                           defaults.radiusMultiplier);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

Automata::FilmDeposition::HuygensParameters HuygensDepositionOptionsDialog::parameters() const
{
    Automata::FilmDeposition::HuygensParameters values;
    values.rate = static_cast<float>(rateBox->value());
    values.timeStep = static_cast<float>(timeStepBox->value());
    values.occupationThreshold = static_cast<float>(thresholdBox->value());
    values.maximumOccupation = static_cast<float>(maximumBox->value());
    values.radiusMultiplier = static_cast<float>(multiplierBox->value());
    return values;
}

} // namespace Ui
