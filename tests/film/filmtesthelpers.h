#pragma once

#include <vector>

#include "Automata/FilmDeposition/filmcell.h"

namespace FilmTest {

using Automata::FilmDeposition::FilmCell;

// A width x height lattice of empty cells with distinct values and stamps,
// so tests can see that growth keeps them.
inline std::vector<FilmCell> emptyLattice(int width, int height)
{
    std::vector<FilmCell> cells(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = FilmCell(Automata::FilmDeposition::Empty, 10.0f + static_cast<float>(i),
                            static_cast<std::uint32_t>(i));
    return cells;
}

// A substrate volume: voxel (x, y, z) is substrate when z < heights[x * height + y].
inline std::vector<FilmCell> heightVolume(int width, int height, int depth,
                                          const std::vector<int>& heights)
{
    std::vector<FilmCell> cells(static_cast<std::size_t>(width) * height * depth);
    for (std::size_t column = 0; column < heights.size(); ++column)
        for (int z = 0; z < heights[column]; ++z)
            cells[column * depth + z].type = Automata::FilmDeposition::Substrate;
    return cells;
}

} // namespace FilmTest
