#pragma once

#include "../automaton2d.h"
#include "sandautomatonparticles.h"

namespace Automata {
namespace SandAutomata {

// Grains falling under gravity on a Margolus partition: the lattice is cut into
// 2 x 2 blocks, the block grid moves by one site in both directions from step
// to step, and each block is updated from its own four sites. Site (x, y) is
// pixel (x, y) of the seeding image, so gravity points to increasing y.
class SandAutomaton : public Automaton2D<SandAutomatonParticles> {
public:
    SandAutomaton(int width, int height, const SandAutomatonParticles* initial);

    void step() override;
    void save() override;
    const float* getColor(const SandAutomatonParticles& cell) override;
    // The saved picture: sand black, wall red, empty white, so a saved
    // picture loads back into the same lattice.
    void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue) override;

    // Writes a site of the next lattice; writes outside the lattice are dropped.
    virtual void setNextState(int x, int y, SandAutomatonParticles value);
    // Reads a site of the current lattice; outside the lattice everything is Empty.
    virtual SandAutomatonParticles stateAt(int x, int y);
    // Applies the block rule to the block whose upper-left site is (x, y).
    // A model with a rule of its own also overrides sweep, so that its rule
    // is the one the step runs.
    virtual void updateBlock(int x, int y);

    bool isOddPartition() const { return oddPartition; }

    // The four sites of a block: upper row (y) and lower row (y + 1).
    struct Block {
        SandAutomatonParticles ul, ur, ll, lr;
    };

    // The deterministic block rule: a grain falls when the site below it is
    // empty, and otherwise slides diagonally down when both the side site and
    // the site below that are empty. A grain never slides past a wall beside
    // it, so every block keeps its number of grains.
    static Block fall(const Block& block)
    {
        Block next = block;
        if (block.ul == Sand && (block.ll == Empty || (block.lr == Empty && block.ur == Empty)))
            next.ul = Empty;
        if (block.ur == Sand && (block.lr == Empty || (block.ll == Empty && block.ul == Empty)))
            next.ur = Empty;
        if (block.ll == Empty
            && (block.ul == Sand || (block.ur == Sand && block.ul == Empty && block.lr != Empty)))
            next.ll = Sand;
        if (block.lr == Empty
            && (block.ur == Sand || (block.ul == Sand && block.ur == Empty && block.ll != Empty)))
            next.lr = Sand;
        return next;
    }

protected:
    // Applies the block rule to every block of the partition whose grid
    // starts at origin (-1 or 0): one virtual call per step.
    virtual void sweep(int origin);

    // Runs rule(x, y) for every block of the partition whose grid starts at
    // origin. The rule is inlined, so a sweep pays no call per block.
    template <typename Rule>
    void sweepBlocks(int origin, Rule rule)
    {
        for (int x = origin; x < width; x += 2)
            for (int y = origin; y < height; y += 2)
                rule(x, y);
    }

    // The reads and writes of the block rule, kept non-virtual and inline so the
    // sweep pays no call per site; blocks wholly inside the lattice skip the
    // bounds checks.
    Block readBlock(int x, int y) const
    {
        if (x >= 0 && y >= 0 && x + 1 < width && y + 1 < height) {
            const SandAutomatonParticles* left = cells + x * height + y;
            const SandAutomatonParticles* right = left + height;
            return Block{left[0], right[0], left[1], right[1]};
        }
        return Block{cellAt(x, y), cellAt(x + 1, y), cellAt(x, y + 1), cellAt(x + 1, y + 1)};
    }

    void writeBlock(int x, int y, const Block& block)
    {
        if (x >= 0 && y >= 0 && x + 1 < width && y + 1 < height) {
            SandAutomatonParticles* left = nextCells + x * height + y;
            SandAutomatonParticles* right = left + height;
            left[0] = block.ul;
            right[0] = block.ur;
            left[1] = block.ll;
            right[1] = block.lr;
            return;
        }
        setNextCell(x, y, block.ul);
        setNextCell(x + 1, y, block.ur);
        setNextCell(x, y + 1, block.ll);
        setNextCell(x + 1, y + 1, block.lr);
    }

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    SandAutomatonParticles cellAt(int x, int y) const
    {
        return inside(x, y) ? cells[x * height + y] : Empty;
    }

    void setNextCell(int x, int y, SandAutomatonParticles value)
    {
        if (inside(x, y))
            nextCells[x * height + y] = value;
    }

    bool oddPartition = true;
};

} // namespace SandAutomata
} // namespace Automata
