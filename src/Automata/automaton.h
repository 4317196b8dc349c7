#pragma once

#include <string>

namespace Automata {

class Painter;

// What an atom-by-atom model has done since it was built: atoms whose removal
// its steps decided on, atoms its steps removed, and silicon atoms left.
struct AtomCounts {
    long long examined = 0;
    long long removed = 0;
    long long remaining = 0;
};

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

    // Fills in the model's atom counts; false for models that keep none.
    virtual bool getAtomCounts(AtomCounts& counts) const;
};

} // namespace Automata
