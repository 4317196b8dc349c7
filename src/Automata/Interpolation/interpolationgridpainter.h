#pragma once

#include <array>

#include "../painter.h"

namespace Automata {
namespace Interpolation {

class InterpolationGrid;

// Draws an interpolation grid as one square per cell, coloured on a ramp from
// the smallest value of the frame (blue) through cyan, green and yellow to the
// largest (red), with red grid lines over it.
class InterpolationGridPainter : public Painter {
public:
    explicit InterpolationGridPainter(InterpolationGrid* grid);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

    // The ramp colour of t = (v - minimum) / (maximum - minimum).
    static std::array<float, 3> rampColor(double t);

private:
    InterpolationGrid* grid;
    double maximum = 0.0;
    double minimum = 0.0;
};

// The painters of the two rules are the grid painter under their own names.
class TwoDimensionalInterpolationPainter : public InterpolationGridPainter {
public:
    using InterpolationGridPainter::InterpolationGridPainter;
};

class VariableNeighborhoodInterpolationPainter : public InterpolationGridPainter {
public:
    using InterpolationGridPainter::InterpolationGridPainter;
};

} // namespace Interpolation
} // namespace Automata
