#pragma once

#include "../painter.h"

namespace Automata {
namespace Interpolation {

class SingleDimensionLinearInterpolation;

// Draws the ring's values as a curve, 5 units per site and per value unit,
// with a short segment per site (yellow where fixed, blue where free) and the
// two axes.
class SingleDimensionInterpolationPainter : public Painter {
public:
    explicit SingleDimensionInterpolationPainter(SingleDimensionLinearInterpolation* automaton);

    void paint() override;
    int getWidth() override;
    // Five times the largest value of the last frame (500 before the first).
    int getHeight() override;

private:
    SingleDimensionLinearInterpolation* interpolation;
    double largestValue = 100.0;
};

} // namespace Interpolation
} // namespace Automata
