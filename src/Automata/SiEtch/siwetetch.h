#pragma once

#include "../automaton.h"
#include "octreenode.h"
#include "sietchcell.h"

namespace Automata {
namespace SiEtch {

class SiWetEtchPainter;

// A still demonstration of the octree: the mask pattern of the top-left
// m x m pixels of a picture (m the smaller side) stored in the top layer of
// an m-wide cube of silicon. Its step does nothing.
class SiWetEtch : public Automaton {
public:
    // cells holds width x height values, cell (x, y) at x * height + y.
    SiWetEtch(int width, int height, int depth, const SiEtchCell* cells);
    ~SiWetEtch() override;
    SiWetEtch(const SiWetEtch&) = delete;
    SiWetEtch& operator=(const SiWetEtch&) = delete;

    void step() override {}
    void save() override {}
    void setSaveAll(bool saveAll, int interval) override;
    Painter* getPainter() override;
    // The nodes of the octree.
    long long getSiteCount() const override;

    const OctreeNode* getRoot() const { return root; }

private:
    int width;
    int depth;
    int height;
    bool saveAll = false;
    SiWetEtchPainter* painter;
    OctreeNode* root;
};

} // namespace SiEtch
} // namespace Automata
