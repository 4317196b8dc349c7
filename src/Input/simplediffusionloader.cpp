#include "simplediffusionloader.h"

#include <vector>

namespace Input {

using namespace Automata::SimpleDiffusionAutomata;

SimpleDiffusionLoader::SimpleDiffusionLoader(QWidget* parent) : ImageLoader(parent)
{
    readImage(convertColor);
}

Automata::Automaton* SimpleDiffusionLoader::load()
{
    if (!cells)
        return nullptr;
    const auto size = static_cast<std::uint32_t>(width);
    std::vector<Particles> rightMovers(size);
    const std::vector<Particles> leftMovers(size, NoParticle);
    for (std::uint32_t x = 0; x < size; ++x)
        rightMovers[x] = cells[x * height];
    return create(size, rightMovers.data(), leftMovers.data());
}

Particles SimpleDiffusionLoader::convertColor(QRgb pixel)
{
    if (ImageInput::isRgb(pixel, 0, 0, 0))
        return Particle;
    if (ImageInput::isRgb(pixel, 255, 255, 255))
        return NoParticle;
    return Other;
}

SimpleDiffusionAutomaton* SimpleDiffusionLoader::create(std::uint32_t size, const Particles* right,
                                                        const Particles* left)
{
    return new SimpleDiffusionAutomaton(size, right, left);
}

} // namespace Input
