#pragma once

#include "../automaton2d.h"

namespace Automata {
namespace FilmDeposition {

// Binary film growth on a torus: an empty site's eight Moore neighbours form
// an 8-bit index into a fixed rule table that says whether it becomes film.
// Film stays film.
class BinaryIsotropicFilmDeposition : public Automaton2D<bool> {
public:
    // Copies width x height sites in lattice order (true = film).
    BinaryIsotropicFilmDeposition(int width, int height, const bool* initial);

    void step() override;
    void save() override;
    // The saved picture: film black, empty white.
    void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue) override;

    // Entry [index] of the rule table: neighbour k of the order (-1,-1),
    // (-1,0), (-1,1), (0,-1), (0,1), (1,-1), (1,0), (1,1) adds 2^k when film.
    static bool rule(int index);
};

} // namespace FilmDeposition
} // namespace Automata
