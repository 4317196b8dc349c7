#pragma once

#include <vector>

#include <QLoggingCategory>

#include "../automaton2d.h"
#include "filmcell.h"

Q_DECLARE_LOGGING_CATEGORY(lcFilmIsotropy)

namespace Automata {
namespace FilmDeposition {

// Conformal growth on a 2D cross-section: every empty site touching a
// non-empty site (Moore neighbourhood, nothing beyond the border) becomes
// film, one layer per step.
class SimpleFilmDeposition2D : public Automaton2D<FilmCell> {
public:
    // Copies width x height cells in lattice order.
    SimpleFilmDeposition2D(int width, int height, const FilmCell* initial);

    void step() override;
    void save() override;
    const float* getColor(const FilmCell& cell) override;

    // How far the grown film is from a disc of radius r around the lattice
    // centre: sites counts the sites of the disc, errors the sites inside it
    // that are not film plus those outside it that are not empty, less one for
    // the seed at the centre.
    struct Isotropy {
        long long sites = 0;
        long long errors = -1;
    };
    Isotropy measureIsotropy(int radius) const;

    // The radius the next isotropy line is measured at: shared by every
    // instance, 1 at start, one more after every step of any instance.
    static int isotropyRadius();

private:
    void logIsotropy();

    // Per site: whether the site or its vertical neighbours are non-empty.
    std::vector<unsigned char> nearSolid;
};

} // namespace FilmDeposition
} // namespace Automata
