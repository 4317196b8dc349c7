#pragma once

namespace Automata {

class Automaton;

// Turns one automaton's current state into OpenGL commands in lattice units,
// origin at lattice corner (0, 0). The automaton owns its painter.
class Painter {
public:
    explicit Painter(Automaton* automaton) : automaton(automaton) {}
    virtual ~Painter() = default;
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    virtual void paint() = 0;
    virtual int getWidth() = 0;
    virtual int getHeight() = 0;

protected:
    Automaton* automaton;
};

} // namespace Automata
