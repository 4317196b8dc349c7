#include "singledimensionlinearinterpolation.h"

#include <sstream>

#include "singledimensioninterpolationpainter.h"

namespace Automata {
namespace Interpolation {

SingleDimensionLinearInterpolation::SingleDimensionLinearInterpolation(
    const std::vector<double>& values, const std::vector<bool>& fixed)
    : values(values), nextValues(values), fixed(fixed)
{
    // A flag vector shorter than the values leaves the rest free.
    this->fixed.resize(values.size(), false);
    painter = std::make_unique<SingleDimensionInterpolationPainter>(this);
}

void SingleDimensionLinearInterpolation::step()
{
    deltaSquared = 0.0;
    sweep();
    values.swap(nextValues);
    ++stepCount;
}

void SingleDimensionLinearInterpolation::sweep()
{
    sweepCells([this](int i) { SingleDimensionLinearInterpolation::updateCell(i); });
}

void SingleDimensionLinearInterpolation::save()
{
}

void SingleDimensionLinearInterpolation::setSaveAll(bool, int)
{
}

Painter* SingleDimensionLinearInterpolation::getPainter()
{
    return painter.get();
}

double SingleDimensionLinearInterpolation::getTime()
{
    return stepCount;
}

std::string SingleDimensionLinearInterpolation::getTimeInfo()
{
    std::ostringstream text;
    text << " steps Delta Squared = " << deltaSquared;
    return text.str();
}

void SingleDimensionLinearInterpolation::updateCell(int i)
{
    if (fixed[static_cast<std::size_t>(i)])
        setNext(i, at(i, 0));
    else
        setNext(i, (at(i, -1) + at(i, 1)) * 0.5);
}

} // namespace Interpolation
} // namespace Automata
