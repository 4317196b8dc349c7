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
    // The automaton's options and those of the rate law, with the dialog's
    // defaults.
    struct Parameters : OxidationAutomaton2D::Parameters {
        // Kelvin.
        float temperature = 1073.0f;
        // Hours of oxidation before the first step.
        float initialTime = 1.4f;
        // Activation energies in eV, A0 in um/h and B0 in um^2/h.
        float linearActivationEnergy = 2.0f;
        float linearPrefactor = 3.71e6f;
        float parabolicActivationEnergy = 1.23f;
        float parabolicPrefactor = 772.0f;
    };

    // Copies width x height cells in lattice order.
    DealGroveOxidation2D(int width, int height, const FilmCell* initialCells,
                         const Parameters& parameters);

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
