#pragma once

#include <vector>

#include "../automaton2d.h"

namespace Automata {
namespace FilmDeposition {

// Conformal film on a built-in 200 x 200 step: a height spreads from the
// source surface by chamfer distances (1 per edge step, sqrt 2 per diagonal
// step) and a cell is film while its height is positive, so film covers the
// cells closer than 100 to the source. Values: -1 substrate, 100 source,
// 0 empty, anything else positive film.
class HeightCountingFilmDeposition2D : public Automaton2D<double> {
public:
    static constexpr int size = 200;
    static constexpr double substrate = -1.0;
    static constexpr double source = 100.0;

    HeightCountingFilmDeposition2D();

    void step() override;
    // The model has no picture of its own to save.
    void save() override;
    void setSaveAll(bool saveAll, int interval) override;
    const float* getColor(const double& cell) override;

    bool isFixed(int x, int y) const { return fixedCells[static_cast<std::size_t>(index(x, y))]; }

private:
    // Substrate and source cells: they never change.
    std::vector<bool> fixedCells;
};

} // namespace FilmDeposition
} // namespace Automata
