#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QByteArray>
#include <QString>

namespace Persistence {
class ResultsWriter;
}

namespace Automata::NanoTubes {

// The ';'-separated result files of the particle models: "Size"; W; H, the
// model's labelled parameter lines, then grids of H lines of W cells (y = 0
// first, x = 0 first within a line) separated by one empty line, an empty
// line, and one "time; thickness" line per history entry.
class ParticleResults {
public:
    // What a parameter line may hold.
    enum class Kind { Probability, Side, Real, Steps };
    struct Line {
        const char* label;
        int values;
        Kind kind;
    };
    struct Layout {
        std::vector<Line> lines;
        // Values per cell of each grid; the first grid holds the phases.
        std::vector<int> grids;
        // The line number (1-based) of the parameter line with this label.
        int lineOf(const char* label) const;
    };

    struct Data {
        // The first line that could not be read, 0 when the whole file was.
        int badLine = 0;
        int width = 0;
        int height = 0;
        // One entry per layout line, its values in order.
        std::vector<std::vector<double>> parameters;
        // One entry per grid: value j of cell i (= x * height + y) at i * perCell + j.
        std::vector<std::vector<std::uint32_t>> grids;
        std::vector<double> times;
        std::vector<double> thicknesses;
        bool ok() const { return badLine == 0; }
    };

    // Reads a whole file, checking every label, count and range before
    // keeping anything: phases 0..3, sides 0..2, probabilities 0..1, counts
    // whole from 0 to 10^8, W and H from 1, lines ended by "\n" or "\r\n".
    // History pairs whose time is not above 0 are left out.
    static Data read(const QByteArray& bytes, const Layout& layout);

    // Writes a file of the layout: the parameter values by line, the grids
    // through value(grid, cell, j), and the history.
    static void write(Persistence::ResultsWriter& writer, const Layout& layout, int width, int height,
                      const std::vector<std::vector<double>>& parameters,
                      const std::function<std::uint32_t(int grid, std::size_t cell, int j)>& value,
                      const std::vector<double>& times, const std::vector<double>& thicknesses);
};

} // namespace Automata::NanoTubes
