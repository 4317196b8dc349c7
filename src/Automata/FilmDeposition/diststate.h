#pragma once

#include <cstdint>
#include <limits>

namespace Automata {
namespace FilmDeposition {

// One cell of the 2D distance-counting model: the vector from the nearest
// source cell to this cell, in cells, and what the cell is. The two spare
// floats travel with the cell and are never read.
struct DistState {
    float dx = std::numeric_limits<float>::max();
    float dy = std::numeric_limits<float>::max();
    float spare1 = 0.0f;
    float spare2 = 0.0f;
    // 0 empty, 1 source or substrate, 2 film.
    std::uint32_t state = 0;

    static DistState source()
    {
        DistState cell;
        cell.dx = 0.0f;
        cell.dy = 0.0f;
        cell.state = 1;
        return cell;
    }
};

} // namespace FilmDeposition
} // namespace Automata
