#include "particleparameters.h"

#include <cmath>

#include "phase.h"

namespace Automata::NanoTubes {

std::uint32_t ParticleParameters::atomsPerCell() const
{
    const double atoms = std::floor(cellSize * cellSize * cellSize * atomDensity);
    if (!(atoms > 0.0))
        return 0;
    return atoms >= 4294967295.0 ? 4294967295u : static_cast<std::uint32_t>(atoms);
}

double ParticleParameters::stayOf(std::uint32_t phase) const
{
    if (phase == Electrolyte)
        return electrolyteStay;
    if (phase == Ti)
        return tiStay;
    return oxideStay;
}

ParticleParameters::Problem ParticleParameters::problem(int species) const
{
    const double volume = cellSize * cellSize * cellSize;
    const auto limit = QString::number(ParticleRules::maxCount);
    if (!(cellSize > 0.0) || !std::isfinite(cellSize))
        return {Field::CellSize, QStringLiteral("Cell Size must be greater than 0 (m).")};
    if (!(stepDuration > 0.0) || !std::isfinite(stepDuration))
        return {Field::StepDuration, QStringLiteral("Step Duration must be greater than 0 (s).")};
    const QString densityName = species == 2 ? QStringLiteral("Oxygen Boundary Density")
                                             : QStringLiteral("Boundary Particle Density");
    const struct {
        double density;
        Field field;
        QString name;
    } densities[] = {{boundaryDensity, Field::Density, densityName},
                     {fluorineDensity, Field::FluorineDensity, QStringLiteral("Fluorine Boundary Density")}};
    for (int s = 0; s < species; ++s) {
        const auto& d = densities[s];
        if (!(d.density >= 0.0) || !(d.density * volume <= ParticleRules::maxCount))
            return {d.field, QStringLiteral("%1 must lie between 0 and %2 particles per cell "
                                            "(density times Cell Size cubed).")
                                 .arg(d.name, limit)};
    }
    const double atoms = std::floor(volume * atomDensity);
    if (!(atoms >= 1.0 && atoms <= ParticleRules::maxCount))
        return {Field::AtomDensity, QStringLiteral("Atomic Density must give between 1 and %1 atoms per "
                                                   "cell (density times Cell Size cubed).")
                                        .arg(limit)};
    return {};
}

} // namespace Automata::NanoTubes
