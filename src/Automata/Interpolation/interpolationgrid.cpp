#include "interpolationgrid.h"

#include <sstream>

#include "../columnbands.h"

namespace Automata {
namespace Interpolation {

InterpolationGrid::InterpolationGrid(int sizeX, int sizeY, double spacing,
                                     const std::vector<double>& base,
                                     const std::vector<double>& values,
                                     const std::vector<bool>& fixed)
    : sizeX(sizeX), sizeY(sizeY), spacing(spacing), base(base), values(values),
      nextValues(values), columnDeltas(static_cast<std::size_t>(sizeX), 0.0)
{
    const std::size_t count = static_cast<std::size_t>(sizeX) * sizeY;
    // Vectors shorter than the grid leave the rest free at 0.
    this->values.resize(count, 0.0);
    nextValues.resize(count, 0.0);
    this->fixed.assign(count, 0);
    for (std::size_t k = 0; k < count && k < fixed.size(); ++k)
        this->fixed[k] = fixed[k] ? 1 : 0;
    this->base.resize(2, 0.0);
}

void InterpolationGrid::step()
{
    ColumnBands::run(sizeX, [this](int from, int to) { updateColumns(from, to); });
    deltaSquared = 0.0;
    for (double columnDelta : columnDeltas)
        deltaSquared += columnDelta;
    values.swap(nextValues);
    ++stepCount;
}

void InterpolationGrid::save()
{
    if (!writer.openSingle())
        return;
    for (int x = 0; x < sizeX; ++x) {
        for (int y = 0; y < sizeY; ++y) {
            writer.write(base[0] + x * spacing);
            writer.write(base[1] + y * spacing);
            writer.write(values[index(x, y)]);
            writer.endLine();
        }
    }
    writer.close();
}

void InterpolationGrid::setSaveAll(bool, int)
{
}

Painter* InterpolationGrid::getPainter()
{
    return painter.get();
}

double InterpolationGrid::getTime()
{
    return stepCount;
}

std::string InterpolationGrid::getTimeInfo()
{
    std::ostringstream text;
    text << " steps" << "  Delta Squared: " << deltaSquared;
    return text.str();
}

} // namespace Interpolation
} // namespace Automata
