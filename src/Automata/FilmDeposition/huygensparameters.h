#pragma once

namespace Automata {
namespace FilmDeposition {

// What the Huygens deposition dialog sets, with its defaults. The plain
// Huygens model reads the rate, the time step and the cell size only.
struct HuygensParameters {
    // Cells per minute a source's film front advances.
    float rate = 5.0f;
    // Minutes per step.
    float timeStep = 3.0f;
    // At or below this occupation around a source, it deposits at full radius.
    float occupationThreshold = 0.6f;
    // At this occupation the deposition radius has shrunk to nothing.
    float maximumOccupation = 1.0f;
    // The occupation window's radius in deposition radii.
    float radiusMultiplier = 3.0f;
    // Not on the dialog: the lattice spacing the rate is measured in.
    float cellSize = 1.0f;
};

} // namespace FilmDeposition
} // namespace Automata
