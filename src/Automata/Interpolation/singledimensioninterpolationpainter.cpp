#include "singledimensioninterpolationpainter.h"

#include <limits>

#include <qopengl.h>

#include "../savedglstate.h"
#include "singledimensionlinearinterpolation.h"

namespace Automata {
namespace Interpolation {

namespace {
const float scale = 5.0f;
}

SingleDimensionInterpolationPainter::SingleDimensionInterpolationPainter(
    SingleDimensionLinearInterpolation* automaton)
    : Painter(automaton), interpolation(automaton)
{
}

void SingleDimensionInterpolationPainter::paint()
{
    const std::vector<double>& values = interpolation->getValues();
    const std::vector<bool>& fixed = interpolation->getFixed();
    const int n = static_cast<int>(values.size());
    if (n == 0)
        return;

    largestValue = values[0];
    const SavedGlState saved;
    glColor3f(0.0f, 0.8f, 0.0f);
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i < n; ++i) {
        const double value = values[static_cast<std::size_t>(i)];
        if (value > largestValue)
            largestValue = value;
        glVertex2f(scale * i, static_cast<float>(scale * value));
    }
    glEnd();

    glBegin(GL_LINES);
    for (int i = 0; i < n; ++i) {
        const auto y = static_cast<float>(scale * values[static_cast<std::size_t>(i)]);
        if (fixed[static_cast<std::size_t>(i)])
            glColor3f(1.0f, 1.0f, 0.0f);
        else
            glColor3f(0.0f, 0.0f, 1.0f);
        glVertex3f(scale * i, y, 1.0f);
        glVertex3f(scale * (i + 1), y, 1.0f);
    }
    glEnd();

    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex3f(0.0f, static_cast<float>(scale * largestValue), -1.0f);
    glVertex3f(0.0f, 0.0f, -1.0f);
    glVertex3f(scale * n, 0.0f, -1.0f);
    glVertex3f(0.0f, 0.0f, -1.0f);
    glEnd();
}

int SingleDimensionInterpolationPainter::getWidth()
{
    return static_cast<int>(scale) * static_cast<int>(interpolation->getValues().size());
}

int SingleDimensionInterpolationPainter::getHeight()
{
    // Values far beyond what a view shows still give a height an int holds.
    const double height = scale * largestValue;
    if (height >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (height > std::numeric_limits<int>::min())
        return static_cast<int>(height);
    return std::numeric_limits<int>::min();
}

} // namespace Interpolation
} // namespace Automata
