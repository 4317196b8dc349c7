#include "tntanodizationdialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Ui {

TntAnodizationDialog::TntAnodizationDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TntAnodizationDialog"));
    setWindowTitle(QStringLiteral("Dialog"));
    auto* layout = new QVBoxLayout(this);
    fields = new NanotubeFields(this, layout, false);
    density = NanotubeFields::addLineEdit(fields->boundary, QStringLiteral("linMeanParticlesPerCell"),
                                          QStringLiteral("Boundary Particle Density"), QStringLiteral("5e22"));
    atomDensity = NanotubeFields::addLineEdit(fields->reaction, QStringLiteral("linAtomDensity"),
                                              QStringLiteral("Substrate Atomic Density (atoms / m³)"),
                                              QStringLiteral("5e28"));
    field = NanotubeFields::addLineEdit(fields->reaction, QStringLiteral("linElectricField"),
                                        QStringLiteral("Electric Field (V/m)"), QStringLiteral("1e6"));
    NanotubeFields::addButtons(this, layout);
}

Automata::NanoTubes::ParticleParameters TntAnodizationDialog::parameters() const
{
    Automata::NanoTubes::ParticleParameters p;
    fields->read(p);
    p.boundaryDensity = NanotubeFields::number(density);
    p.atomDensity = NanotubeFields::number(atomDensity);
    p.electricField = NanotubeFields::number(field);
    return p;
}

} // namespace Ui
