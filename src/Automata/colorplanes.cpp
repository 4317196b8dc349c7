#include "colorplanes.h"

namespace Automata {

ColorPlanes::ColorPlanes(std::size_t count)
{
    resize(count);
}

void ColorPlanes::resize(std::size_t count)
{
    redPlane.resize(count);
    greenPlane.resize(count);
    bluePlane.resize(count);
}

} // namespace Automata
