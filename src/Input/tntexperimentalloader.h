#pragma once

#include "Automata/NanoTubes/tinanotubesexperimentalautomaton.h"
#include "loader2d.h"

namespace Input {

// Loads "Diffusion": an image of phases and the experimental model's options.
class TNTExperimentalLoader
    : public Loader2D<int, Automata::NanoTubes::TiNanotubesExperimentalAutomaton> {
public:
    explicit TNTExperimentalLoader(QWidget* parent);
    Automata::Automaton* load() override;

    // What the model holds at once: the lattice, and the current and next
    // lattice of every replica with the mean and deviation tables.
    static Automata::SizeCheck modelCheck(int width, int height, int replicas);

private:
    Automata::NanoTubes::TiNanotubesExperimentalAutomaton::Parameters parameters;
};

} // namespace Input
