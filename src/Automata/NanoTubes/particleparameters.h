#pragma once

#include <array>
#include <cstdint>

#include <QString>

#include "particlerules.h"

namespace Automata::NanoTubes {

// The parameters of the titanium particle models (oxidation, anodization,
// combined etching and oxidation); each model reads the ones it has. The
// defaults are those of a model built from an image before any dialog.
struct ParticleParameters {
    double tiStay = 0.8;
    double oxideStay = 0.9;
    double electrolyteStay = 0.1;
    // Top, bottom, left, right: ParticleRules::Side codes, kept as set.
    std::array<std::uint32_t, 4> sides{{0, 0, 0, 0}};
    double cellSize = 1.0;     // m
    double stepDuration = 1.0; // s
    double atomDensity = 2000.0; // Ti atoms per m^3
    double reactionProbability = 0.9;
    // Particles per m^3 in the reservoir of a constant side (oxygen), and of
    // fluorine for the combined model.
    double boundaryDensity = 500.0;
    double fluorineDensity = 500.0;
    double boundaryStay = 0.6;
    // Electrolyte->TiOxide, Electrolyte->Ti, Ti->Electrolyte, Ti->TiOxide,
    // TiOxide->Electrolyte, TiOxide->Ti; kept with the parameters only.
    std::array<double, 6> transitions{{0.5, 0.5, 0.5, 0.5, 0.5, 0.5}};
    double electricField = 1e6; // V/m

    // Ti atoms in a Ti cell: floor(a^3 * n_Ti), saturated to 32 bits.
    std::uint32_t atomsPerCell() const;
    // The stay probability of a phase; the inert oxide stays as Ti oxide.
    double stayOf(std::uint32_t phase) const;

    // Which parameter a problem is about.
    enum class Field { None, CellSize, StepDuration, Density, FluorineDensity, AtomDensity };
    struct Problem {
        Field field = Field::None;
        QString text;
    };
    // The first value the models cannot run with, naming the field and its
    // range; Field::None when all are usable. `species` is 2 for the
    // combined model, which also has a fluorine density.
    Problem problem(int species) const;
};

} // namespace Automata::NanoTubes
