#pragma once

#include <string>

namespace Automata {

class Painter;

// The interface every model offers the shell: advance, save, per-step saving,
// its painter and the model time shown in the status bar.
class Automaton {
public:
    virtual ~Automaton();
    virtual void step() = 0;
    virtual void save() = 0;
    virtual void setSaveAll(bool saveAll, int interval) = 0;
    virtual Painter* getPainter() = 0;
    virtual double getTime();
    virtual std::string getTimeInfo();

    // Number of sites one step updates, for speed figures (million lattice
    // updates per second). Lattices report their cell count; models without a
    // lattice report their own natural count.
    virtual long long getSiteCount() const;
};

} // namespace Automata
