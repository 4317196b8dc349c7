#include "deterministicetchautomatonloader.h"

#include "../Automata/SiEtch/deterministicetchautomaton.h"

namespace Input {

using namespace Automata::SiEtch;

DeterministicEtchAutomatonLoader::DeterministicEtchAutomatonLoader(QWidget* parent)
    : ImageLoader<SiEtchCell>(parent)
{
    readImage(cellOf);
}

SiEtchCell DeterministicEtchAutomatonLoader::cellOf(QRgb pixel)
{
    return Persistence::ImageGrids::isRgb(pixel, 255, 0, 0) ? Mask : Empty;
}

Automata::SizeCheck DeterministicEtchAutomatonLoader::sizeCheck(int width, int height) const
{
    // The loader's volume and the model's two buffers live at once, beside
    // the painter's points (at most one voxel in eight, seven floats each).
    return Automata::SizeCheck({width, height, depth})
        .perSite<SiEtchCell>(3)
        .perSite<unsigned char>(4);
}

Persistence::Grid<SiEtchCell>
DeterministicEtchAutomatonLoader::convertImage(const Persistence::Grid<SiEtchCell>& mask, int depth)
{
    const int w = mask.width(), h = mask.height();
    Persistence::Grid<SiEtchCell> volume(w, h, depth);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) {
            const bool side = x == 0 || x == w - 1 || y == 0 || y == h - 1;
            SiEtchCell* column = &volume.at(x, y);
            for (int z = 0; z < depth - 1; ++z)
                column[z] = side || z == 0 ? Mask : Silicon;
            column[depth - 1] = mask.at(x, y) == Mask ? Mask : Empty;
        }
    return volume;
}

Automata::Automaton* DeterministicEtchAutomatonLoader::load()
{
    if (cells.isEmpty())
        return nullptr;
    const Persistence::Grid<SiEtchCell> volume = convertImage(cells, depth);
    return new DeterministicEtchAutomaton(volume.width(), volume.height(), volume.depth(),
                                          volume.data());
}

} // namespace Input
