#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "../automaton.h"
#include "../painter.h"
#include "Persistence/resultswriter.h"

namespace Automata {
namespace Interpolation {

// A grid of NX x NY real values, some held fixed, that a relaxation rule
// fills in between the fixed ones. Cell (x, y) is element x * NY + y; its
// world position is (baseX + x * spacing, baseY + y * spacing).
//
// A step is synchronous: every cell reads only the current values. Columns
// are updated in bands on the thread pool, each column keeps its own sum of
// squared changes and the sums are added in column order, so delta squared
// does not depend on the number of workers.
class InterpolationGrid : public Automaton {
public:
    InterpolationGrid(int sizeX, int sizeY, double spacing, const std::vector<double>& base,
                      const std::vector<double>& values, const std::vector<bool>& fixed);

    void step() override;
    // Writes "X;Y;value;" per cell, x outer, to a file the user names.
    void save() override;
    void setSaveAll(bool saveAll, int interval) override;
    Painter* getPainter() override;
    double getTime() override;
    std::string getTimeInfo() override;
    long long getSiteCount() const override { return static_cast<long long>(values.size()); }

    // Computes next value (x, y) from the current values and adds its squared
    // change to delta squared.
    virtual void updateCell(int x, int y) = 0;

    int getSizeX() const { return sizeX; }
    int getSizeY() const { return sizeY; }
    const std::vector<double>& getValues() const { return values; }
    bool isFixed(int x, int y) const { return fixed[index(x, y)] != 0; }
    double getDeltaSquared() const { return deltaSquared; }
    int getStepCount() const { return stepCount; }

protected:
    // Updates columns [from, to): the model's rule inlined by sweepColumns.
    virtual void updateColumns(int from, int to) = 0;

    // For every column x of [from, to), columnRule(x) gives the rule of that
    // column, rule(y) -> next value, which runs for every free cell; fixed
    // cells copy their value. Each column's squared changes are summed into
    // its own slot.
    template <typename ColumnRule>
    void sweepColumns(int from, int to, ColumnRule columnRule)
    {
        for (int x = from; x < to; ++x) {
            const auto rule = columnRule(x);
            const std::size_t column = static_cast<std::size_t>(x) * sizeY;
            const double* current = values.data() + column;
            double* next = nextValues.data() + column;
            const unsigned char* held = fixed.data() + column;
            double sum = 0.0;
            for (int y = 0; y < sizeY; ++y) {
                const double value = held[y] ? current[y] : rule(y);
                const double change = value - current[y];
                next[y] = value;
                sum += change * change;
            }
            columnDeltas[static_cast<std::size_t>(x)] = sum;
        }
    }

    // Stores next value (x, y) and accumulates its squared change, for updateCell.
    void setNext(int x, int y, double value)
    {
        const std::size_t k = index(x, y);
        nextValues[k] = value;
        const double change = value - values[k];
        deltaSquared += change * change;
    }

    std::size_t index(int x, int y) const { return static_cast<std::size_t>(x) * sizeY + y; }

    int sizeX;
    int sizeY;
    double spacing;
    std::vector<double> base;
    std::vector<double> values;
    std::vector<double> nextValues;
    std::vector<unsigned char> fixed;
    double deltaSquared = 0.0;
    int stepCount = 0;
    std::unique_ptr<Painter> painter;

private:
    std::vector<double> columnDeltas;
    Persistence::ResultsWriter writer;
};

} // namespace Interpolation
} // namespace Automata
