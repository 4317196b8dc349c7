#pragma once

#include "oxidationautomaton2d.h"

namespace Automata {
namespace FilmDeposition {

// Oxidation at a fixed time step whose rate follows the Deal-Grove law: after
// every step the growth rate is recomputed for the elapsed time from the
// temperature, the activation energies and the prefactors of the linear and
// parabolic rate constants.
class DealGroveOxidation2D : public OxidationAutomaton2D {
public:
    // temperature in K, initialTime in h, activation energies in eV,
    // linearPrefactor (A0) in um/h, parabolicPrefactor (B0) in um^2/h.
    DealGroveOxidation2D(int width, int height, const FilmCell* initialCells, float growthRate,
                         float cellSize, float timeStep, float lateralSpeedup, float temperature,
                         float initialTime, float linearActivationEnergy, float linearPrefactor,
                         float parabolicActivationEnergy, float parabolicPrefactor);

    void step() override;

    // Deal-Grove growth rate (um/h) after t hours of oxidation. Not a number or
    // not positive when the parameters describe no growth (a zero B0).
    float dealGroveGrowthRate(float t) const;

    float getTemperature() const { return temperature; }
    float getInitialTime() const { return initialTime; }
    float getLinearActivationEnergy() const { return linearActivationEnergy; }
    float getLinearPrefactor() const { return linearPrefactor; }
    float getParabolicActivationEnergy() const { return parabolicActivationEnergy; }
    float getParabolicPrefactor() const { return parabolicPrefactor; }

    // Boltzmann's constant in eV/K.
    static constexpr float boltzmann = 8.62e-5f;

private:
    float temperature;
    float initialTime;
    float linearActivationEnergy;
    float linearPrefactor;
    float parabolicActivationEnergy;
    float parabolicPrefactor;
};

} // namespace FilmDeposition
} // namespace Automata
