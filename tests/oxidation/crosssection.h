#pragma once

#include <string>
#include <vector>

#include "Automata/FilmDeposition/filmcell.h"

namespace OxidationTest {

using Automata::FilmDeposition::FilmCell;
using Automata::FilmDeposition::FilmDepositionCell;

// A small cross-section drawn as text, one string per row y, one character per
// column x: '.' ambient, 'S' silicon, 'O' oxide, 'M' mask. The cells come out
// in lattice order (x * height + y), whole (value 1) with stamp 0.
struct CrossSection {
    explicit CrossSection(const std::vector<std::string>& rows)
        : width(static_cast<int>(rows.at(0).size())), height(static_cast<int>(rows.size())),
          cells(static_cast<std::size_t>(width) * height)
    {
        using namespace Automata::FilmDeposition;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const char c = rows[y].at(x);
                const FilmDepositionCell type =
                    c == 'S' ? Silicon : c == 'O' ? Oxide : c == 'M' ? Film : Empty;
                cells[at(x, y)] = FilmCell(type, 1.0f, 0);
            }
    }

    std::size_t at(int x, int y) const { return static_cast<std::size_t>(x) * height + y; }
    FilmCell& operator()(int x, int y) { return cells[at(x, y)]; }

    int width;
    int height;
    std::vector<FilmCell> cells;
};

} // namespace OxidationTest
