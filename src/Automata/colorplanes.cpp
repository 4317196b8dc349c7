#include "colorplanes.h"

namespace Automata {

ColorPlanes::ColorPlanes(std::size_t count) : redPlane(count), greenPlane(count), bluePlane(count)
{
}

} // namespace Automata
