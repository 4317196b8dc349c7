#pragma once

#include "filmcell.h"

namespace Automata {
namespace FilmDeposition {

// Matches a cell to a surface's reference cell by material alone: a surface
// encloses the cells of one material type, whatever their other fields hold.
struct FilmCellTypeComparer {
    bool operator()(const FilmCell& cell, const FilmCell& reference) const
    {
        return cell.type == reference.type;
    }
};

} // namespace FilmDeposition
} // namespace Automata
