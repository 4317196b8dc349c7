#pragma once

class QWidget;

namespace Automata {
class Automaton;
}

namespace Input {

// Builds the interpolation rules from their input dialogs. The mode chooses
// the rule: 0 linear, 1 cubic.
class InterpolationLoader {
public:
    InterpolationLoader(QWidget* parent, unsigned int mode) : parent(parent), mode(mode) {}

    // Asks for the ring's values and fixed points; null when cancelled.
    Automata::Automaton* loadSingleDimension();

private:
    QWidget* parent;
    unsigned int mode;
};

} // namespace Input
