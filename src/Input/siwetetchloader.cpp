#include "siwetetchloader.h"

#include <algorithm>

#include "../Automata/SiEtch/octreenode.h"
#include "../Automata/SiEtch/siwetetch.h"
#include "deterministicetchautomatonloader.h"

namespace Input {

using namespace Automata::SiEtch;

SiWetEtchLoader::SiWetEtchLoader(QWidget* parent) : ImageLoader<SiEtchCell>(parent)
{
    readImage(DeterministicEtchAutomatonLoader::cellOf);
}

Automata::SizeCheck SiWetEtchLoader::sizeCheck(int width, int height) const
{
    // Beside the cells, the octree holds at most one leaf per pixel of its
    // square and a third as many inner nodes.
    const long long side = std::min(width, height);
    return latticeCheck(width, height).add(2, side * side, sizeof(OctreeNode));
}

Automata::Automaton* SiWetEtchLoader::load()
{
    if (cells.isEmpty())
        return nullptr;
    return new SiWetEtch(cells.width(), cells.height(), 1, cells.data());
}

} // namespace Input
