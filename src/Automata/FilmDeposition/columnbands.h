#pragma once

#include <functional>

namespace Automata {
namespace FilmDeposition {

// Splits the columns 0 .. count - 1 of a lattice into one contiguous band per
// worker and runs work(begin, end) for each band on Qt's global thread pool,
// returning when all bands are done. Bands write disjoint columns, so the
// result never depends on the number of workers.
class ColumnBands {
public:
    static void run(int count, const std::function<void(int begin, int end)>& work);
};

} // namespace FilmDeposition
} // namespace Automata
