#include "tinanotubewithdiffusiondialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Ui {

TiNanotubeWithDiffusionDialog::TiNanotubeWithDiffusionDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TiNanotubeWithDiffusionDialog"));
    setWindowTitle(QStringLiteral("Dialog"));
    auto* layout = new QVBoxLayout(this);
    fields = new NanotubeFields(this, layout, true);
    density = NanotubeFields::addLineEdit(fields->boundary, QStringLiteral("linMeanParticlesPerCell"),
                                          QStringLiteral("Boundary Particle Density"), QStringLiteral("5e22"));
    atomDensity = NanotubeFields::addLineEdit(fields->reaction, QStringLiteral("linAtomDensity"),
                                              QStringLiteral("Substrate Atomic Density (atoms / m³)"),
                                              QStringLiteral("5e28"));
    NanotubeFields::addButtons(this, layout);
}

Automata::NanoTubes::ParticleParameters TiNanotubeWithDiffusionDialog::parameters() const
{
    Automata::NanoTubes::ParticleParameters p;
    fields->read(p);
    p.boundaryDensity = NanotubeFields::number(density);
    p.atomDensity = NanotubeFields::number(atomDensity);
    return p;
}

} // namespace Ui
