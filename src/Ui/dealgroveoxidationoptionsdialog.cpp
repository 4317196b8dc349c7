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
    const Automata::FilmDeposition::DealGroveOxidation2D::Parameters defaults;
    auto* form = new QFormLayout;

    OxidationFields::addHeading(form, QStringLiteral("Automaton Parameters"));
    fields = OxidationFields::addAutomatonFields(form, OxidationFields::Order::GrowthRateFirst);

    OxidationFields::addHeading(form, QStringLiteral("Deal-Grove Parameters"));
    temperatureBox = OxidationFields::addSpinBox(form, QStringLiteral("temperatureSpinBox"),
                                                 QStringLiteral("Temperature (K)"), 0.0001, 9999.0,
                                                 1.0, defaults.temperature);
    a0Edit = addNumberEdit(form, QStringLiteral("a0LineEdit"), QStringLiteral("A0 (&micro;m)"),
                           locale.toString(double(defaults.linearPrefactor), 'e', 6));
    b0Edit = addNumberEdit(form, QStringLiteral("b0LineEdit"),
                           QStringLiteral("B0 (&micro;m<sup>2</sup> / hr)"),
                           locale.toString(double(defaults.parabolicPrefactor), 'g', 6));
    linearEnergyBox = OxidationFields::addSpinBox(
        form, QStringLiteral("linearActivationEnergySpinBox"),
        QStringLiteral("EA Linear Rate Constant (eV)"), 0.0001, 9999.0, 0.001,
        defaults.linearActivationEnergy);
    parabolicEnergyBox = OxidationFields::addSpinBox(
        form, QStringLiteral("parabolicActivationEnergySpinBox"),
        QStringLiteral("EA Parabolic Rate Constant (eV)"), 0.0001, 9999.0, 0.001,
        defaults.parabolicActivationEnergy);
    initialTimeBox = OxidationFields::addSpinBox(form, QStringLiteral("initialTimeSpinBox"),
                                                 QStringLiteral("Initial time (hr)"), 0.0001,
                                                 9999.0, 0.001, defaults.initialTime);

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

Automata::FilmDeposition::DealGroveOxidation2D::Parameters
DealGroveOxidationOptionsDialog::parameters() const
{
    Automata::FilmDeposition::DealGroveOxidation2D::Parameters values;
    fields.read(values);
    values.temperature = static_cast<float>(temperatureBox->value());
    values.initialTime = static_cast<float>(initialTimeBox->value());
    values.linearActivationEnergy = static_cast<float>(linearEnergyBox->value());
    values.linearPrefactor = static_cast<float>(parseNumber(a0Edit->text()));
    values.parabolicActivationEnergy = static_cast<float>(parabolicEnergyBox->value());
    values.parabolicPrefactor = static_cast<float>(parseNumber(b0Edit->text()));
    return values;
}

} // namespace Ui
