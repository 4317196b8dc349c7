#include "combinedetchoxidatedialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Ui {

CombinedEtchOxidateDialog::CombinedEtchOxidateDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CombinedEtchOxidateDialog"));
    setWindowTitle(QStringLiteral("Dialog"));
    auto* layout = new QVBoxLayout(this);
    fields = new NanotubeFields(this, layout, false);
    oxygen = NanotubeFields::addLineEdit(fields->boundary, QStringLiteral("linOxygenBoundaryDensity"),
                                         QStringLiteral("Oxygen Boundary Density"), QStringLiteral("5e22"));
    fluorine = NanotubeFields::addLineEdit(fields->boundary, QStringLiteral("linFluorineBoundaryDensity"),
                                           QStringLiteral("Fluorine Boundary Density"), QStringLiteral("5e22"));
    QFormLayout* substrate = NanotubeFields::addSection(layout, QStringLiteral(" Substrate Data"));
    atomDensity = NanotubeFields::addLineEdit(substrate, QStringLiteral("linAtomicDensity"),
                                              QStringLiteral("Atomic Density (m⁻³)"), QStringLiteral("5e28"));
    NanotubeFields::addButtons(this, layout);
}

Automata::NanoTubes::ParticleParameters CombinedEtchOxidateDialog::parameters() const
{
    Automata::NanoTubes::ParticleParameters p;
    fields->read(p);
    p.boundaryDensity = NanotubeFields::number(oxygen);
    p.fluorineDensity = NanotubeFields::number(fluorine);
    p.atomDensity = NanotubeFields::number(atomDensity);
    p.electricField = 0.0;
    return p;
}

} // namespace Ui
