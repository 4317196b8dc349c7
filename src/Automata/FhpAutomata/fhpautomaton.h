#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../automaton2d.h"
#include "../random.h"
#include "fhpcell.h"

namespace Automata {
namespace FhpAutomata {

// The FHP lattice gas on a hexagonal lattice whose odd rows sit half a site
// further east. Each step collides head-on pairs in place, then streams every
// particle to its neighbour in column bands on the global thread pool.
// Particles leaving the lattice are lost; nothing enters from outside.
class FhpAutomaton : public Automaton2D<FhpCell> {
public:
    // The packed words (FhpCell::getBits) of a site's six neighbours, each a
    // lattice cell or the outside cell.
    struct Neighbours {
        unsigned w;
        unsigned e;
        unsigned nw;
        unsigned ne;
        unsigned sw;
        unsigned se;
    };

    // Copies width x height cells (lattice order) into the current lattice.
    // member keys the random streams, so the members of an ensemble differ.
    FhpAutomaton(int width, int height, const FhpCell* initial, int member = 0);

    void step() override;
    void save() override;
    double getTime() override;
    std::string getTimeInfo() override;
    const float* getColor(const FhpCell& cell) override;

    // The saved picture: obstacles red, sources magenta, the gas in greys by
    // the particles' directions (greyOf).
    void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue) override;

    // Turns every head-on pair of the current lattice by 60 degrees one way or
    // the other, in place, drawing from the program's random generator.
    void collide();

    // Computes columns [from, to) of the next lattice from the current one:
    // the work of one streaming task. Variants of the gas override it with
    // their own site rule.
    virtual void propagateColumns(int from, int to);

    int getStepCount() const { return stepCount; }
    int getMember() const { return member; }
    const FhpCell& getOutsideCell() const { return outsideCell; }

    // The grey of a site's picture: 255 less 42 per eastward and 43 per
    // westward particle.
    static unsigned char greyOf(unsigned particles);

protected:
    // The particles streaming into a site: each channel from the neighbour
    // behind it.
    static unsigned arrivingParticles(const Neighbours& n)
    {
        return (n.w & FhpCell::EastBit) | (n.e & FhpCell::WestBit) | (n.sw & FhpCell::NorthEastBit)
            | (n.se & FhpCell::NorthWestBit) | (n.nw & FhpCell::SouthEastBit) | (n.ne & FhpCell::SouthWestBit);
    }

    // A reservoir refill: full when the level beats u = k / 256, k drawn from 0..256.
    static unsigned refill(const FhpCell& source, Random::Stream& stream)
    {
        const float u = static_cast<float>(stream.rangedInt(0, 256)) * 0.00390625f;
        return source.getSourceLevel() > u ? FhpCell::ChannelBits : 0u;
    }

    // The plain site rule. The next site keeps the current site's flags and
    // level, so a reservoir refills at its own level on every step.
    static FhpCell streamSite(const FhpCell& site, const Neighbours& n, Random::Stream& stream)
    {
        FhpCell next = site;
        const unsigned flags = site.getBits();
        if (!(flags & (FhpCell::ObstacleBit | FhpCell::SourceBit)))
            next.setParticles(arrivingParticles(n));
        else if (flags & FhpCell::ObstacleBit)
            next.setParticles(bounceFromObstacle(n));
        else
            next.setParticles(refill(site, stream));
        return next;
    }

    // Particles an obstacle catches: diagonal movers with their north/south
    // component reversed, horizontal movers sent back. Nothing is caught from
    // a neighbouring obstacle.
    static unsigned bounceFromObstacle(const Neighbours& n)
    {
        // A neighbour sends its particle in only when it is not an obstacle itself.
        auto from = [](unsigned neighbour, unsigned channel) {
            return !(neighbour & FhpCell::ObstacleBit) && (neighbour & channel);
        };
        return (from(n.nw, FhpCell::SouthEastBit) ? FhpCell::NorthEastBit : 0u)
            | (from(n.ne, FhpCell::SouthWestBit) ? FhpCell::NorthWestBit : 0u)
            | (from(n.w, FhpCell::EastBit) ? FhpCell::WestBit : 0u)
            | (from(n.e, FhpCell::WestBit) ? FhpCell::EastBit : 0u)
            | (from(n.sw, FhpCell::NorthEastBit) ? FhpCell::SouthEastBit : 0u)
            | (from(n.se, FhpCell::NorthWestBit) ? FhpCell::SouthWestBit : 0u);
    }

    // Runs rule(site, neighbours, x, stream) for columns [from, to), writing
    // the result to the next lattice. Each column draws from its own stream,
    // keyed by what the column is, never by which task streams it.
    template <typename Rule>
    void streamColumns(int from, int to, Rule rule)
    {
        const int h = height;
        const FhpCell* outsideCol = outsideColumn.data();
        for (int x = from; x < to; ++x) {
            const FhpCell* left = x > 0 ? cells + static_cast<std::size_t>(x - 1) * h : outsideCol;
            const FhpCell* centre = cells + static_cast<std::size_t>(x) * h;
            const FhpCell* right = x < width - 1 ? cells + static_cast<std::size_t>(x + 1) * h : outsideCol;
            FhpCell* out = nextCells + static_cast<std::size_t>(x) * h;
            Random::Stream stream = columnStream(x);
            // Odd rows sit half a site east: their diagonal neighbours are in
            // this column and the next, those of even rows in the previous one and this.
            auto edgeSite = [&](int y) {
                const FhpCell* a = (y & 1) ? centre : left;
                const FhpCell* b = (y & 1) ? right : centre;
                const unsigned outside = outsideCell.getBits();
                const Neighbours n{left[y].getBits(), right[y].getBits(),
                                   y > 0 ? a[y - 1].getBits() : outside, y > 0 ? b[y - 1].getBits() : outside,
                                   y < h - 1 ? a[y + 1].getBits() : outside,
                                   y < h - 1 ? b[y + 1].getBits() : outside};
                out[y] = rule(centre[y], n, x, stream);
            };
            edgeSite(0);
            for (int y = 1; y < h - 1; ++y) {
                const FhpCell* a = (y & 1) ? centre : left;
                const FhpCell* b = (y & 1) ? right : centre;
                const Neighbours n{left[y].getBits(),    right[y].getBits(),    a[y - 1].getBits(),
                                   b[y - 1].getBits(), a[y + 1].getBits(), b[y + 1].getBits()};
                out[y] = rule(centre[y], n, x, stream);
            }
            if (h > 1)
                edgeSite(h - 1);
        }
    }

    Random::Stream columnStream(int x) const
    {
        return Random::Stream({streamSeed, static_cast<std::uint64_t>(member),
                               static_cast<std::uint64_t>(stepCount), static_cast<std::uint64_t>(x)});
    }

    int stepCount = 0;
    // What every neighbour beyond the lattice reads as: no particles, no flags.
    const FhpCell outsideCell;

private:
    std::vector<FhpCell> outsideColumn;
    std::uint64_t streamSeed;
    int member;
};

} // namespace FhpAutomata
} // namespace Automata
