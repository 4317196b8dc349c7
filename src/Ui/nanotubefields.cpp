#include "nanotubefields.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "oxidationfields.h"

namespace Ui {

namespace {

QDoubleSpinBox* probabilityBox(const QString& objectName, double value)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(objectName);
    box->setDecimals(6);
    box->setRange(0.0, 1.0);
    box->setSingleStep(0.01);
    box->setValue(value);
    return box;
}

const QString oxideName = QStringLiteral("TiO<sub>2</sub>");

} // namespace

QFormLayout* NanotubeFields::addSection(QVBoxLayout* layout, const QString& heading)
{
    auto* form = new QFormLayout;
    OxidationFields::addHeading(form, heading);
    layout->addLayout(form);
    return form;
}

void NanotubeFields::addButtons(QDialog* dialog, QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
}

QLineEdit* NanotubeFields::addLineEdit(QFormLayout* form, const QString& objectName, const QString& label,
                                       const QString& text)
{
    auto* edit = new QLineEdit(text);
    edit->setObjectName(objectName);
    auto* name = new QLabel(label);
    name->setBuddy(edit);
    form->addRow(name, edit);
    return edit;
}

double NanotubeFields::number(const QLineEdit* edit)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(edit->text().trimmed(), &ok);
    return ok ? value : 0.0;
}

NanotubeFields::NanotubeFields(QDialog* dialog, QVBoxLayout* layout, bool transitions) : QObject(dialog)
{
    setObjectName(QStringLiteral("nanotubeFields"));
    QFormLayout* diffusion = addSection(layout, QStringLiteral("Diffusion Conditions"));
    auto* grid = new QGridLayout;
    const QString rows[3] = {QStringLiteral("Ti "), oxideName, QStringLiteral("Electrolyte ")};
    const char* names[3] = {"Ti", "TiOxide", "Electrolyte"};
    const double defaults[3] = {0.8, 0.9, 0.01};
    grid->addWidget(new QLabel(QStringLiteral("Diffusion Probability")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Diffusion Coefficient (m<sup>2</sup>/s)")), 0, 2);
    for (int r = 0; r < 3; ++r) {
        auto* label = new QLabel(rows[r]);
        label->setTextFormat(Qt::RichText);
        grid->addWidget(label, r + 1, 0);
        stay[r] = probabilityBox(QStringLiteral("dbx%1DiffusionProbability").arg(names[r]), defaults[r]);
        grid->addWidget(stay[r], r + 1, 1);
        coefficient[r] = new QLineEdit;
        coefficient[r]->setObjectName(QStringLiteral("lin%1DiffusionCoef").arg(names[r]));
        coefficient[r]->setReadOnly(true);
        grid->addWidget(coefficient[r], r + 1, 2);
    }
    if (transitions) {
        for (int c = 0; c < 3; ++c) {
            auto* label = new QLabel(rows[c]);
            label->setTextFormat(Qt::RichText);
            grid->addWidget(label, 0, 3 + c);
        }
        // Electrolyte->TiOxide, Electrolyte->Ti, Ti->Electrolyte, Ti->TiOxide,
        // TiOxide->Electrolyte, TiOxide->Ti: row, column (0 Ti, 1 TiOxide,
        // 2 electrolyte) and default.
        const struct {
            int from, to;
            double value;
        } cells[6] = {{2, 1, 0.99}, {2, 0, 0.01}, {0, 2, 0.2}, {0, 1, 0.8}, {1, 2, 0.1}, {1, 0, 0.9}};
        for (int t = 0; t < 6; ++t) {
            transition[t] = probabilityBox(
                QStringLiteral("dbx%1To%2").arg(names[cells[t].from], names[cells[t].to]), cells[t].value);
            grid->addWidget(transition[t], cells[t].from + 1, 3 + cells[t].to);
        }
    }
    diffusion->addRow(grid);
    cellSize = addLineEdit(diffusion, QStringLiteral("linCellSize"), QStringLiteral("Cell Size"), QString());
    stepDuration = addLineEdit(diffusion, QStringLiteral("linStepDuration"), QStringLiteral("Step Duration"), QString());

    boundary = addSection(layout, QStringLiteral("Boundary Conditions"));
    auto* sides = new QGridLayout;
    const QString sideNames[4] = {QStringLiteral("Top"), QStringLiteral("Bottom"), QStringLiteral("Left"),
                                  QStringLiteral("Right")};
    const QString kinds[3] = {QStringLiteral("Reflective"), QStringLiteral("Periodic"), QStringLiteral("Constant")};
    for (int s = 0; s < 4; ++s) {
        sides->addWidget(new QLabel(sideNames[s]), s, 0);
        auto* group = new QButtonGroup(this);
        for (int k = 0; k < 3; ++k) {
            side[s][k] = new QRadioButton(kinds[k]);
            side[s][k]->setObjectName(QStringLiteral("rad%1%2").arg(sideNames[s], kinds[k]));
            group->addButton(side[s][k]);
            sides->addWidget(side[s][k], s, 1 + k);
        }
    }
    side[3][0]->setChecked(true);
    boundary->addRow(sides);
    boundaryStay = probabilityBox(QStringLiteral("dbxBoundaryStayProbability"), 0.9);
    boundary->addRow(QStringLiteral("Stay Probability"), boundaryStay);

    reaction = addSection(layout, QStringLiteral("Reaction Conditions"));
    reactionProbability = probabilityBox(QStringLiteral("dbxReactionProbability"), 0.8);
    reaction->addRow(QStringLiteral("Reaction Probability"), reactionProbability);

    connect(cellSize, &QLineEdit::textChanged, this, &NanotubeFields::on_linCellSize_textChanged);
    connect(stepDuration, &QLineEdit::textChanged, this, &NanotubeFields::on_linStepDuration_textChanged);
    connect(stay[0], qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &NanotubeFields::on_dbxTiDiffusionProbability_valueChanged);
    connect(stay[1], qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &NanotubeFields::on_dbxTiOxideDiffusionProbability_valueChanged);
    connect(stay[2], qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &NanotubeFields::on_dbxElectrolyteDiffusionProbability_valueChanged);
    for (int r = 0; r < 3; ++r)
        showCoefficient(r);
}

void NanotubeFields::read(Automata::NanoTubes::ParticleParameters& parameters) const
{
    parameters.tiStay = stay[0]->value();
    parameters.oxideStay = stay[1]->value();
    parameters.electrolyteStay = stay[2]->value();
    if (transition[0])
        for (int t = 0; t < 6; ++t)
            parameters.transitions[t] = transition[t]->value();
    // Constant 1, reflective 2, anything else (nothing checked too) periodic.
    for (int s = 0; s < 4; ++s)
        parameters.sides[s] = side[s][2]->isChecked() ? 1 : side[s][0]->isChecked() ? 2 : 0;
    parameters.cellSize = number(cellSize);
    parameters.stepDuration = number(stepDuration);
    parameters.reactionProbability = reactionProbability->value();
    parameters.boundaryStay = boundaryStay->value();
}

void NanotubeFields::showCoefficient(int row)
{
    const double a = number(cellSize);
    const double tau = number(stepDuration);
    // Nothing to show until both are usable.
    if (!(a > 0.0) || !(tau > 0.0)) {
        coefficient[row]->clear();
        return;
    }
    const double d = (1.0 - stay[row]->value()) * a * a / (4.0 * tau);
    coefficient[row]->setText(QString::number(d, 'g', 6));
}

void NanotubeFields::on_linCellSize_textChanged(QString)
{
    for (int r = 0; r < 3; ++r)
        showCoefficient(r);
}

void NanotubeFields::on_linStepDuration_textChanged(QString)
{
    for (int r = 0; r < 3; ++r)
        showCoefficient(r);
}

void NanotubeFields::on_dbxTiDiffusionProbability_valueChanged(double)
{
    showCoefficient(0);
}

void NanotubeFields::on_dbxTiOxideDiffusionProbability_valueChanged(double)
{
    showCoefficient(1);
}

void NanotubeFields::on_dbxElectrolyteDiffusionProbability_valueChanged(double)
{
    showCoefficient(2);
}

} // namespace Ui
