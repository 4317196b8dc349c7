#pragma once

#include <vector>

#include "Automata/FhpAutomata/fhpautomaton.h"

namespace FhpTest {

using Automata::FhpAutomata::FhpAutomaton;
using Automata::FhpAutomata::FhpCell;

// Direction bits, in the order the six channels are named.
constexpr unsigned E = FhpCell::EastBit, W = FhpCell::WestBit, NE = FhpCell::NorthEastBit,
                   NW = FhpCell::NorthWestBit, SE = FhpCell::SouthEastBit, SW = FhpCell::SouthWestBit,
                   ALL = FhpCell::ChannelBits;

// A width x height initial state built site by site, in lattice order.
struct Lattice {
    Lattice(int width, int height) : width(width), height(height), cells(static_cast<std::size_t>(width) * height) {}
    FhpCell& at(int x, int y) { return cells[static_cast<std::size_t>(x) * height + y]; }
    Lattice& particles(int x, int y, unsigned present) { at(x, y).setParticles(present); return *this; }
    Lattice& obstacle(int x, int y) { at(x, y).setObstacle(true); return *this; }
    Lattice& substrate(int x, int y) { at(x, y).setSubstrate(true); return *this; }
    Lattice& source(int x, int y, float level)
    {
        at(x, y).setSource(true);
        at(x, y).setSourceLevel(level);
        return *this;
    }
    const FhpCell* data() const { return cells.data(); }

    int width, height;
    std::vector<FhpCell> cells;
};

// A lattice of fixed pseudo-random gas; `always` adds particles to every site.
inline Lattice randomGas(int width, int height, unsigned seed, unsigned always = 0)
{
    Lattice l(width, height);
    for (FhpCell& c : l.cells) {
        seed = seed * 1103515245u + 12345u;
        c.setParticles(((seed >> 16) & ALL) | always);
    }
    return l;
}

inline const FhpCell& site(FhpAutomaton& a, int x, int y)
{
    return a.getCells()[static_cast<std::size_t>(x) * a.getHeight() + y];
}

inline std::vector<FhpCell> cellsOf(FhpAutomaton& a)
{
    return std::vector<FhpCell>(a.getCells(), a.getCells() + a.getWidth() * a.getHeight());
}

inline long long particleTotal(FhpAutomaton& a)
{
    long long total = 0;
    for (const FhpCell& c : cellsOf(a))
        total += c.particleCount();
    return total;
}

inline int depositCount(FhpAutomaton& a)
{
    int count = 0;
    for (const FhpCell& c : cellsOf(a))
        count += c.isDeposit();
    return count;
}

} // namespace FhpTest
