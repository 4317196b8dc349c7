#include "tinanotubeoptionsdialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace Ui {

TiNanotubeOptionsDialog::TiNanotubeOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TiNanotubeOptionsForm"));
    setWindowTitle(QStringLiteral("Ti Nanotube Options"));
    auto* grid = new QGridLayout;
    const auto field = [&](const char* name, const QString& text, const QString& suffix,
                           double value, QList<QWidget*>* group) {
        auto* label = new QLabel(text, this);
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(0.0, 1e9);
        box->setSuffix(suffix);
        box->setValue(value);
        label->setBuddy(box);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        if (group)
            *group << label << box;
        return box;
    };
    const auto radio = [&](const char* name, const QString& text, QList<QWidget*>* group) {
        auto* button = new QRadioButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        grid->addWidget(button, grid->rowCount(), 0, 1, 2);
        if (group)
            *group << button;
        return button;
    };
    const QString nm = QStringLiteral(" nm");
    grid->addWidget(new QLabel(QStringLiteral("Automaton Parameters"), this), 0, 0, 1, 2);
    dblCellDimension = field("dblCellDimension", QStringLiteral("Cell Dimension "), nm, 10.0, nullptr);
    radBasicParameters = radio("radBasicParameters", QStringLiteral("Basic Parameters"), nullptr);
    dblNanotubeDiameter =
        field("dblNanotubeDiameter", QStringLiteral("Nanotube Diameter"), nm, 120.0, &basicFields);
    dblWallThickness = field("dblWallThickness", QStringLiteral("Wall Thickness"), nm, 25.0, &basicFields);
    dblNanotubeDepth = field("dblNanotubeDepth", QStringLiteral("Nanotube Depth"), nm, 300.0, &basicFields);
    QRadioButton* radComplexParameters =
        radio("radComplexParameters", QStringLiteral("Complex Parameters"), nullptr);
    field("dblGrowthFactor", QStringLiteral("Growth Factor"), QStringLiteral(" nm/V"), 2.5, &complexFields);
    field("dblHFConcentration", QStringLiteral("HF Concentration"), QStringLiteral(" %"), 0.5,
          &complexFields);
    field("dblTemperature", QStringLiteral("Temperature"), QStringLiteral(" º C"), 25.0, &complexFields);
    field("dblAppliedVoltage", QStringLiteral("Applied Voltage"), QStringLiteral(" V"), 0.0,
          &complexFields);
    field("dblEtchTime", QStringLiteral("Etch Time"), QStringLiteral(" Hours"), 0.0, &complexFields);
    QRadioButton* radAquaeous = radio("radAquaeous", QStringLiteral("Aquaeous Electrolyte"), &complexFields);
    QRadioButton* radOrganic = radio("radOrganic", QStringLiteral("Organic Electrolyte"), &complexFields);

    auto* parameterKind = new QButtonGroup(this);
    parameterKind->addButton(radBasicParameters);
    parameterKind->addButton(radComplexParameters);
    auto* electrolyte = new QButtonGroup(this);
    electrolyte->addButton(radAquaeous);
    electrolyte->addButton(radOrganic);

    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttonBox);

    connect(radBasicParameters, &QRadioButton::toggled, this,
            &TiNanotubeOptionsDialog::on_radBasicParameters_toggled);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    radBasicParameters->setChecked(true);
    on_radBasicParameters_toggled(true);
}

void TiNanotubeOptionsDialog::on_radBasicParameters_toggled(bool checked)
{
    for (QWidget* widget : basicFields)
        widget->setEnabled(checked);
    for (QWidget* widget : complexFields)
        widget->setEnabled(!checked);
}

Automata::NanoTubes::TiEmpiricNanotubeAutomaton::Parameters TiNanotubeOptionsDialog::parameters() const
{
    Automata::NanoTubes::TiEmpiricNanotubeAutomaton::Parameters p;
    p.basicParameters = radBasicParameters->isChecked();
    p.cellDimension = static_cast<float>(dblCellDimension->value());
    p.diameter = static_cast<float>(dblNanotubeDiameter->value());
    p.wallThickness = static_cast<float>(dblWallThickness->value());
    p.depth = static_cast<float>(dblNanotubeDepth->value());
    return p;
}

} // namespace Ui
