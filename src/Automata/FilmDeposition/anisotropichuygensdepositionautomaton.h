#pragma once

#include <vector>

#include "huygensdepositionautomaton.h"
#include "occupationlaw.h"

namespace Automata {
namespace FilmDeposition {

// Huygens deposition whose disc shrinks with the occupation around the
// source: the share of non-empty sites in a window of radius rate x time step
// x multiplier. Substrate emits only upwards, and empty space cut off from the
// open space above never fills.
class AnisotropicHuygensDepositionAutomaton : public HuygensDepositionAutomaton {
public:
    AnisotropicHuygensDepositionAutomaton(int width, int height, const FilmCell* initial,
                                          const HuygensParameters& parameters);

    // A film site touching empty space emits, and a substrate site with empty
    // space right above it.
    void updateCell(int x, int y) override;

    float getOccupationThreshold() const { return occupationThreshold; }
    float getMaximumOccupation() const { return maximumOccupation; }
    float getRadiusMultiplier() const { return radiusMultiplier; }
    float getOccupationSlope() const { return law.getSlope(); }
    float getOccupationIntercept() const { return law.getIntercept(); }

    // Sites and occupied sites (anything but Empty, voids included) within
    // the occupation window around (x, y), as the current lattice holds them.
    struct Occupation {
        long long sites = 0;
        long long occupied = 0;
    };
    Occupation occupation(int x, int y) const;

protected:
    // Copies the lattice into the next one, marks the voids and counts the
    // occupied sites of every column.
    void prepareStep() override;
    void findSources(int x, std::vector<Source>& out) override;
    long long reach(int x, int y) const override;

    // The next lattice as a copy of the current one, and the voids marked.
    void copyAndMarkVoids();
    // Whether the site is a source, the outside reading as `outside`: a film
    // site touching empty space, a substrate site with empty space above it.
    // With `marked`, the film test reads the marks of markEmptyAlongColumns
    // made with the same outside.
    template <bool marked>
    bool isSource(int x, int y, FilmDepositionCell outside) const
    {
        const FilmDepositionCell type = cells[static_cast<std::size_t>(x) * height + y].type;
        if (type == Film)
            return marked ? nearEmpty(x, y, outside == Empty) : touches(x, y, Empty, outside);
        if (type == Substrate)
            return (y + 1 < height ? cells[static_cast<std::size_t>(x) * height + y + 1].type
                                   : outside) == Empty;
        return false;
    }

    float occupationThreshold;
    float maximumOccupation;
    float radiusMultiplier;
    OccupationLaw law;

private:
    // Per column, the number of occupied sites below each row: (height + 1)
    // counts a column.
    std::vector<int> occupiedBelow;
    std::vector<unsigned char> reached;
};

} // namespace FilmDeposition
} // namespace Automata
