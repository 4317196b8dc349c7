#include "columnbands.h"

#include <algorithm>
#include <vector>

#include <QtConcurrent>

#include "../workers.h"

namespace Automata {
namespace FilmDeposition {

void ColumnBands::run(int count, const std::function<void(int begin, int end)>& work)
{
    if (count <= 0)
        return;
    const int bands = std::max(1, std::min(workerCount(), count));
    if (bands == 1) {
        work(0, count);
        return;
    }
    std::vector<std::pair<int, int>> ranges;
    ranges.reserve(static_cast<std::size_t>(bands));
    for (int b = 0; b < bands; ++b) {
        const int begin = static_cast<int>(static_cast<long long>(count) * b / bands);
        const int end = static_cast<int>(static_cast<long long>(count) * (b + 1) / bands);
        ranges.emplace_back(begin, end);
    }
    QtConcurrent::blockingMap(ranges, [&work](const std::pair<int, int>& range) {
        work(range.first, range.second);
    });
}

} // namespace FilmDeposition
} // namespace Automata
