#include "interpolationgridpainter.h"

#include <algorithm>
#include <vector>

#include <qopengl.h>

#include "../savedglstate.h"
#include "interpolationgrid.h"

namespace Automata {
namespace Interpolation {

InterpolationGridPainter::InterpolationGridPainter(InterpolationGrid* grid)
    : Painter(grid), grid(grid)
{
}

std::array<float, 3> InterpolationGridPainter::rampColor(double t)
{
    const auto f = [](double v) { return static_cast<float>(v); };
    if (!(t > 0.25))
        return {0.0f, f(4.0 * std::max(t, 0.0)), 1.0f};
    if (t <= 0.5)
        return {0.0f, 1.0f, f(1.0 - 4.0 * (t - 0.25))};
    if (t <= 0.75)
        return {f(4.0 * (t - 0.5)), 1.0f, 0.0f};
    return {1.0f, f(1.0 - 4.0 * (std::min(t, 1.0) - 0.75)), 0.0f};
}

void InterpolationGridPainter::paint()
{
    const std::vector<double>& values = grid->getValues();
    const int nx = grid->getSizeX();
    const int ny = grid->getSizeY();
    if (values.empty())
        return;
    const auto range = std::minmax_element(values.begin(), values.end());
    minimum = *range.first;
    maximum = *range.second;
    // A grid of equal values is drawn in the colour of the smallest.
    const double span = maximum - minimum;

    const SavedGlState saved;
    glBegin(GL_QUADS);
    for (int x = 0; x < nx; ++x) {
        for (int y = 0; y < ny; ++y) {
            const double v = values[static_cast<std::size_t>(x) * ny + y];
            const std::array<float, 3> colour = rampColor(span > 0.0 ? (v - minimum) / span : 0.0);
            glColor3fv(colour.data());
            glVertex3i(x, y, 1);
            glVertex3i(x + 1, y, 1);
            glVertex3i(x + 1, y + 1, 1);
            glVertex3i(x, y + 1, 1);
        }
    }
    glEnd();

    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    for (int x = 0; x < nx; ++x) {
        glVertex3i(x, 0, 0);
        glVertex3i(x, ny, 0);
    }
    for (int y = 0; y < ny; ++y) {
        glVertex3i(0, y, 0);
        glVertex3i(nx, y, 0);
    }
    glEnd();
}

int InterpolationGridPainter::getWidth()
{
    return grid->getSizeX();
}

int InterpolationGridPainter::getHeight()
{
    return grid->getSizeY();
}

} // namespace Interpolation
} // namespace Automata
