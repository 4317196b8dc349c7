#pragma once

#include <string>

#include <QLoggingCategory>

#include "../automaton2d.h"
#include "filmcell.h"

Q_DECLARE_LOGGING_CATEGORY(lcFilmRadius)

namespace Automata {
namespace FilmDeposition {

// Film that fills gradually: an empty cell accumulates, per hour, the fill of
// its edge neighbours plus 0.18 of the fill of its corner neighbours, and
// becomes film when its own fill reaches 1. The time step is fixed.
class ContinuousFilmDeposition2D : public Automaton2D<FilmCell> {
public:
    // Copies width x height cells in lattice order; a cell's value is its fill.
    ContinuousFilmDeposition2D(int width, int height, const FilmCell* initial);

    void step() override;
    void save() override;
    double getTime() override;
    std::string getTimeInfo() override;
    const float* getColor(const FilmCell& cell) override;

    float getTimeStep() const { return timeStep; }

    // Weight of a corner neighbour's fill against an edge neighbour's.
    static constexpr float cornerWeight = 0.18f;

    // The film radius along the row through the lattice centre: the
    // non-empty cells from (width / 2 - 1, height / 2) towards x = 0.
    int filmRadius() const;

    // The largest film radius any model of the process has reported, and the
    // number of the next diagnostic (both shared by every instance).
    static int bestRadius();
    static int diagnosticCounter();

protected:
    // Fills nextCells from cells with the current time step.
    void updateCells();
    // Reports the film radius when it exceeds every radius reported before.
    void radiusDiagnostic();

    float timeStep = 0.01f;
    float elapsedTime = 0.0f;
    // Edge-contact rate of the variable time step's estimate.
    float vtsRate = 1.0f;
};

} // namespace FilmDeposition
} // namespace Automata
