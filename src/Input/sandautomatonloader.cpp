#include "sandautomatonloader.h"

namespace Input {

using namespace Automata::SandAutomata;

SandAutomatonLoader::SandAutomatonLoader(QWidget* parent) : ImageLoader(parent)
{
    readImage(convertColor);
}

Automata::Automaton* SandAutomatonLoader::load()
{
    if (!cells)
        return nullptr;
    return create();
}

SandAutomatonParticles SandAutomatonLoader::convertColor(QRgb pixel)
{
    if (ImageInput::isRgb(pixel, 0, 0, 0))
        return Sand;
    if (ImageInput::isRgb(pixel, 255, 255, 255))
        return Empty;
    return Wall;
}

SandAutomaton* SandAutomatonLoader::create()
{
    return new SandAutomaton(width, height, cells);
}

} // namespace Input
