#pragma once

#include <string>
#include <vector>

#include "Automata/FilmDeposition/filmcell.h"

namespace DepositionTest {

using namespace Automata::FilmDeposition;

// A lattice drawn as text, one string per row from the top (y = height - 1)
// down to y = 0: '#' substrate, 'o' film, anything else empty with no fill.
// Cells are in lattice order (x * height + y).
inline std::vector<FilmCell> lattice(const std::vector<std::string>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.front().size());
    std::vector<FilmCell> cells(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const char c = rows[static_cast<std::size_t>(height - 1 - y)][static_cast<std::size_t>(x)];
            cells[static_cast<std::size_t>(x) * height + y] =
                c == '#' ? FilmCell(Substrate, 1.0f) : c == 'o' ? FilmCell(Film, 1.0f) : FilmCell(Empty, 0.0f);
        }
    return cells;
}

// A width x height lattice, substrate below row `surface`, empty above.
inline std::vector<FilmCell> flat(int width, int height, int surface)
{
    std::vector<FilmCell> cells(static_cast<std::size_t>(width) * height, FilmCell(Empty, 0.0f));
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < surface; ++y)
            cells[static_cast<std::size_t>(x) * height + y] = FilmCell(Substrate, 1.0f);
    return cells;
}

} // namespace DepositionTest
