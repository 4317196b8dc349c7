#pragma once

class QWidget;

namespace Automata {
class Automaton;
}

namespace Input {

// Builds the interpolation rules from their input dialogs. The mode chooses
// the rule: 0 linear (1D) or bilinear (2D), 1 cubic (1D) or the variable
// rectangular neighbourhood (2D).
class InterpolationLoader {
public:
    InterpolationLoader(QWidget* parent, unsigned int mode) : parent(parent), mode(mode) {}

    // Asks for the ring's values and fixed points; null when cancelled.
    Automata::Automaton* loadSingleDimension();
    // Asks for the grid and its fixed points, and for the variable rule also
    // for the neighbourhood; null when cancelled or the grid is unusable.
    Automata::Automaton* loadTwoDimensional();

private:
    QWidget* parent;
    unsigned int mode;
};

} // namespace Input
