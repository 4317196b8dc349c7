#include "dealgroveoxidationoptionsdialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include "oxidationfields.h"

namespace Ui {

namespace {

// Group separators are neither written nor accepted: "1.234" under a German
// locale would otherwise read as 1234 instead of falling back to the C form.
QLocale numberLocale(const QLocale& base)
{
    QLocale locale = base;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QLineEdit* addNumberEdit(QFormLayout* layout, const QString& objectName, const QString& richLabel,
                         const QString& text)
{
    auto* edit = new QLineEdit(text);
    edit->setObjectName(objectName);
    auto* validator = new QDoubleValidator(edit);
    validator->setLocale(numberLocale(QLocale()));
    edit->setValidator(validator);
    auto* label = new QLabel(richLabel);
    label->setTextFormat(Qt::RichText);
    label->setBuddy(edit);
    layout->addRow(label, edit);
    return edit;
}

} // namespace

DealGroveOxidationOptionsDialog::DealGroveOxidationOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DealGroveOxidationOptionsDialogForm"));
    setWindowTitle(QStringLiteral("Dialog"));

    const QLocale locale = numberLocale(QLocale());
    auto* form = new QFormLayout;

    OxidationFields::addHeading(form, QStringLiteral("Automaton Parameters"));
    fields = OxidationFields::addAutomatonFields(form, OxidationFields::Order::GrowthRateFirst);

    OxidationFields::addHeading(form, QStringLiteral("Deal-Grove Parameters"));
    temperatureBox = OxidationFields::addSpinBox(form, QStringLiteral("temperatureSpinBox"),
                                                 QStringLiteral("Temperature (K)"), 0.0001, 9999.0,
                                                 1.0, 1073.0);
    a0Edit = addNumberEdit(form, QStringLiteral("a0LineEdit"), QStringLiteral("A0 (&micro;m)"),
                           locale.toString(3.71e6, 'e', 6));
    b0Edit = addNumberEdit(form, QStringLiteral("b0LineEdit"),
                           QStringLiteral("B0 (&micro;m<sup>2</sup> / hr)"),
                           locale.toString(772.0, 'g', 6));
    linearEnergyBox = OxidationFields::addSpinBox(
        form, QStringLiteral("linearActivationEnergySpinBox"),
        QStringLiteral("EA Linear Rate Constant (eV)"), 0.0001, 9999.0, 0.001, 2.0);
    parabolicEnergyBox = OxidationFields::addSpinBox(
        form, QStringLiteral("parabolicActivationEnergySpinBox"),
        QStringLiteral("EA Parabolic Rate Constant (eV)"), 0.0001, 9999.0, 0.001, 1.23);
    initialTimeBox = OxidationFields::addSpinBox(form, QStringLiteral("initialTimeSpinBox"),
                                                 QStringLiteral("Initial time (hr)"), 0.0001,
                                                 9999.0, 0.001, 1.4);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

double DealGroveOxidationOptionsDialog::parseNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double local = numberLocale(QLocale()).toDouble(trimmed, &ok);
    if (ok)
        return local;
    const double plain = numberLocale(QLocale::c()).toDouble(trimmed, &ok);
    return ok ? plain : 0.0;
}

double DealGroveOxidationOptionsDialog::temperature() const
{
    return temperatureBox->value();
}

double DealGroveOxidationOptionsDialog::a0() const
{
    return parseNumber(a0Edit->text());
}

double DealGroveOxidationOptionsDialog::b0() const
{
    return parseNumber(b0Edit->text());
}

double DealGroveOxidationOptionsDialog::linearActivationEnergy() const
{
    return linearEnergyBox->value();
}

double DealGroveOxidationOptionsDialog::parabolicActivationEnergy() const
{
    return parabolicEnergyBox->value();
}

double DealGroveOxidationOptionsDialog::initialTime() const
{
    return initialTimeBox->value();
}

} // namespace Ui
