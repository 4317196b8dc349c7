#include "sandautomatonloader.h"

namespace Input {

using Persistence::ImageGrids;
using namespace Automata::SandAutomata;

SandAutomatonLoader::SandAutomatonLoader(QWidget* parent) : ImageLoader(parent)
{
    readImage(convertColor);
}

Automata::Automaton* SandAutomatonLoader::load()
{
    return build<SandAutomaton>();
}

SandAutomatonParticles SandAutomatonLoader::convertColor(QRgb pixel)
{
    if (ImageGrids::isRgb(pixel, 0, 0, 0))
        return Sand;
    if (ImageGrids::isRgb(pixel, 255, 255, 255))
        return Empty;
    return Wall;
}

} // namespace Input
