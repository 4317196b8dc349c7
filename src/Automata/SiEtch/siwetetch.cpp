#include "siwetetch.h"

#include <algorithm>

#include "siwetetchpainter.h"

namespace Automata {
namespace SiEtch {

SiWetEtch::SiWetEtch(int width, int height, int depth, const SiEtchCell* cells)
    : width(width), depth(depth), height(height)
{
    const int m = std::min(width, height);
    root = new OctreeNode(Silicon, nullptr, 0.0, 0.0, 0.0, m);
    // Each pixel goes in at the centre of its voxel in the top layer, so it
    // lands in its own leaf and no pixel sits on an octant border.
    for (int x = 0; x < m; ++x)
        for (int y = 0; y < m; ++y)
            root->insert(x + 0.5, y + 0.5, m - 0.5,
                         cells[static_cast<long long>(x) * height + y] == Mask ? Mask : Empty);
    painter = new SiWetEtchPainter(this);
}

SiWetEtch::~SiWetEtch()
{
    delete painter;
    delete root;
}

void SiWetEtch::setSaveAll(bool saveAll, int interval)
{
    (void)interval;
    this->saveAll = saveAll;
}

Painter* SiWetEtch::getPainter()
{
    return painter;
}

long long SiWetEtch::getSiteCount() const
{
    return root->countNodes();
}

} // namespace SiEtch
} // namespace Automata
