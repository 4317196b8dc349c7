#include "dealgroveoxidation2d.h"

#include <cmath>

namespace Automata {
namespace FilmDeposition {

DealGroveOxidation2D::DealGroveOxidation2D(int width, int height, const FilmCell* initialCells,
                                           const Parameters& parameters)
    : OxidationAutomaton2D(width, height, initialCells, parameters),
      temperature(parameters.temperature),
      initialTime(parameters.initialTime),
      linearActivationEnergy(parameters.linearActivationEnergy),
      linearPrefactor(parameters.linearPrefactor),
      parabolicActivationEnergy(parameters.parabolicActivationEnergy),
      parabolicPrefactor(parameters.parabolicPrefactor)
{
}

void DealGroveOxidation2D::step()
{
    advanceFixedStep();
    // The next step runs at the rate of the time this one ended at.
    const float growth = dealGroveGrowthRate(static_cast<float>(getTime()));
    setRate(growth / (cellSize / timeStep));
}

float DealGroveOxidation2D::dealGroveGrowthRate(float t) const
{
    const float kT = boltzmann * temperature;
    const float parabolic = parabolicPrefactor * std::exp(-parabolicActivationEnergy / kT);
    const float linear = linearPrefactor * std::exp(-linearActivationEnergy / kT);
    const float a = parabolic / linear;
    return parabolic / std::sqrt(4.0f * parabolic * (t + initialTime) + a * a);
}

} // namespace FilmDeposition
} // namespace Automata
