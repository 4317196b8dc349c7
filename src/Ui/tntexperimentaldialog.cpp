#include "tntexperimentaldialog.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "nanotubefields.h"

namespace Ui {

namespace {

QDoubleSpinBox* addProbability(QFormLayout* form, const QString& objectName, const QString& label)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(objectName);
    box->setDecimals(2);
    box->setRange(0.0, 1.0);
    box->setSingleStep(0.1);
    box->setValue(0.5);
    form->addRow(label, box);
    return box;
}

} // namespace

TNTExperimentalDialog::TNTExperimentalDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TNTExperimentalBaseDialog"));
    setWindowTitle(QStringLiteral("Dialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Diffusion Probabilities")));
    auto* form = new QFormLayout;
    ti = addProbability(form, QStringLiteral("dblTiProb"), QStringLiteral("Ti"));
    oxide = addProbability(form, QStringLiteral("dblTiOxideProb"), QStringLiteral("Ti Dioxide"));
    electrolyte = addProbability(form, QStringLiteral("dblElectrolyteProb"), QStringLiteral("Electrolyte"));
    replicas = new QSpinBox;
    replicas->setObjectName(QStringLiteral("sbxReplicas"));
    replicas->setRange(1, 64);
    replicas->setValue(1);
    form->addRow(QStringLiteral("Replicas"), replicas);
    layout->addLayout(form);
    NanotubeFields::addButtons(this, layout);
}

Automata::NanoTubes::TiNanotubesExperimentalAutomaton::Parameters TNTExperimentalDialog::parameters() const
{
    Automata::NanoTubes::TiNanotubesExperimentalAutomaton::Parameters p;
    p.electrolyteStay = electrolyte->value();
    p.tiStay = ti->value();
    p.oxideStay = oxide->value();
    p.replicas = replicas->value();
    return p;
}

} // namespace Ui
