#include "filmcell.h"

namespace Automata {
namespace FilmDeposition {

// Function-local statics: safe to use from other translation units' static
// initialisers, and constant for the life of the process.
const FilmCell& FilmCell::filmReference()
{
    static const FilmCell cell(Film, 0.0f);
    return cell;
}

const FilmCell& FilmCell::substrateReference()
{
    static const FilmCell cell(Substrate, 0.0f);
    return cell;
}

const FilmCell& FilmCell::outsideCell()
{
    static const FilmCell cell(Empty, 1.0f);
    return cell;
}

} // namespace FilmDeposition
} // namespace Automata
