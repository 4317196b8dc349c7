#pragma once

#include <string>
#include <vector>

#include "../automaton2d.h"
#include "filmcell.h"

namespace Automata {
namespace FilmDeposition {

// Conformal film growth by an envelope: every empty site accumulates fill at
// rate x time step x a factor read from a fixed table over which of its eight
// neighbours are occupied, so that the front advances at nearly the same
// speed in every direction. A site whose fill exceeds 1 becomes film. Time is
// in hours; the model saves no pictures.
class IsotropicFilmDeposition : public Automaton2D<FilmCell> {
public:
    // Copies width x height sites in lattice order; a site's value is its fill.
    IsotropicFilmDeposition(int width, int height, const FilmCell* initial, float rate,
                            float cellSize, float timeStep);

    void step() override;
    // Nothing to save.
    void save() override;
    double getTime() override;
    std::string getTimeInfo() override;
    const float* getColor(const FilmCell& cell) override;

    // The eight neighbours of the current lattice in the order (x-1, y),
    // (x-1, y+1), (x, y+1), (x+1, y+1), (x+1, y), (x+1, y-1), (x, y-1),
    // (x-1, y-1); beyond the lattice a constant empty cell.
    virtual void neighbours(int x, int y, const FilmCell* out[8]);
    // The rule at one site, from the current into the next lattice.
    virtual void updateCell(int x, int y);
    // The envelope table's entry for the neighbour types in the order
    // neighbours() fetches them.
    virtual float envelopeFactor(FilmDepositionCell t0, FilmDepositionCell t1,
                                 FilmDepositionCell t2, FilmDepositionCell t3,
                                 FilmDepositionCell t4, FilmDepositionCell t5,
                                 FilmDepositionCell t6, FilmDepositionCell t7);

    // Entry `index` of the process-wide table: bit 0 is set for a non-empty
    // (x, y+1), bit 1 (x, y-1), bit 2 (x+1, y), bit 3 (x-1, y), bit 4
    // (x+1, y+1), bit 5 (x-1, y+1), bit 6 (x+1, y-1), bit 7 (x-1, y-1).
    static float envelope(int index);

protected:
    // The rule over columns [begin, end), after markOccupied().
    void updateColumns(int begin, int end);
    // Per site, which of (x, y - 1), (x, y), (x, y + 1) are occupied (bits
    // 0, 1, 2), so that a site's envelope index comes from three marks.
    void markOccupied(int begin, int end);

    float rate;
    float timeStep;
    float elapsedTime = 0.0f;
    float cellSize;

private:
    std::vector<unsigned char> occupiedAlongColumns;
};

} // namespace FilmDeposition
} // namespace Automata
