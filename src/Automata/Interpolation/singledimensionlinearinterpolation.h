#pragma once

#include <memory>
#include <vector>

#include "../automaton.h"
#include "../painter.h"

namespace Automata {
namespace Interpolation {

// A ring of N values, some of them held fixed. Every step replaces each free
// value by the mean of its two neighbours, read from the previous state, so
// the free values relax toward a linear interpolation between the fixed ones.
class SingleDimensionLinearInterpolation : public Automaton {
public:
    SingleDimensionLinearInterpolation(const std::vector<double>& values,
                                       const std::vector<bool>& fixed);

    void step() override;
    void save() override;
    void setSaveAll(bool saveAll, int interval) override;
    Painter* getPainter() override;
    double getTime() override;
    std::string getTimeInfo() override;
    long long getSiteCount() const override { return static_cast<long long>(values.size()); }

    // Computes next value i from the current values and adds its squared change
    // to delta squared. A model with a rule of its own also overrides sweep,
    // so that its rule is the one the step runs.
    virtual void updateCell(int i);

    const std::vector<double>& getValues() const { return values; }
    const std::vector<bool>& getFixed() const { return fixed; }
    double getDeltaSquared() const { return deltaSquared; }
    int getStepCount() const { return stepCount; }

protected:
    // Runs the model's cell rule over the ring: one virtual call per step.
    virtual void sweep();

    // Runs rule(i) for every value of the ring, in order. The rule is
    // inlined, so a sweep pays no call per value.
    template <typename Rule>
    void sweepCells(Rule rule)
    {
        const int n = size();
        for (int i = 0; i < n; ++i)
            rule(i);
    }

    int size() const { return static_cast<int>(values.size()); }
    // Value i + offset on the ring.
    double at(int i, int offset) const
    {
        const int n = size();
        return values[static_cast<std::size_t>(((i + offset) % n + n) % n)];
    }
    // Stores next value i and accumulates its squared change.
    void setNext(int i, double value)
    {
        nextValues[static_cast<std::size_t>(i)] = value;
        const double change = values[static_cast<std::size_t>(i)] - value;
        deltaSquared += change * change;
    }

    std::vector<double> values;
    std::vector<double> nextValues;
    std::vector<bool> fixed;
    double deltaSquared = 0.0;
    int stepCount = 0;
    std::unique_ptr<Painter> painter;
};

} // namespace Interpolation
} // namespace Automata
