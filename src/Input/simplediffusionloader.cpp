#include "simplediffusionloader.h"

#include <vector>

namespace Input {

using Persistence::ImageGrids;
using namespace Automata::SimpleDiffusionAutomata;

SimpleDiffusionLoader::SimpleDiffusionLoader(QWidget* parent) : ImageLoader(parent)
{
    readImage(convertColor);
}

Automata::Automaton* SimpleDiffusionLoader::load()
{
    if (cells.isEmpty())
        return nullptr;
    const auto size = static_cast<std::uint32_t>(cells.width());
    std::vector<Particles> rightMovers(size);
    const std::vector<Particles> leftMovers(size, NoParticle);
    for (std::uint32_t x = 0; x < size; ++x)
        rightMovers[x] = cells.at(static_cast<int>(x), 0);
    return create(size, rightMovers.data(), leftMovers.data());
}

Automata::SizeCheck SimpleDiffusionLoader::sizeCheck(int width, int height) const
{
    // The whole picture is converted, then its first row seeds the two
    // movers' rows (given to the model and copied into its four buffers);
    // the analysing model adds an average and a count per site.
    return Automata::SizeCheck({width})
        .add(1, static_cast<long long>(width) * height, sizeof(Particles))
        .perSite<Particles>(6)
        .perSite<unsigned char>(3)
        .perSite<double>()
        .perSite<std::int32_t>();
}

Particles SimpleDiffusionLoader::convertColor(QRgb pixel)
{
    if (ImageGrids::isRgb(pixel, 0, 0, 0))
        return Particle;
    if (ImageGrids::isRgb(pixel, 255, 255, 255))
        return NoParticle;
    return Other;
}

SimpleDiffusionAutomaton* SimpleDiffusionLoader::create(std::uint32_t size, const Particles* right,
                                                        const Particles* left)
{
    return new SimpleDiffusionAutomaton(size, right, left);
}

} // namespace Input
