#pragma once

#include <vector>

#include "../painter.h"

namespace Automata {
namespace SiEtch {

class OctreeNode;
class SiWetEtch;

// Draws the octree's cubes as wire frames, each face a closed loop. An
// absent octant is drawn in white first and then in its owner's colour.
class SiWetEtchPainter : public Painter {
public:
    explicit SiWetEtchPainter(SiWetEtch* automaton);

    void paint() override;
    // Both the cube's edge.
    int getWidth() override;
    int getHeight() override;

private:
    void addNode(const OctreeNode& node);
    void addCube(double x, double y, double z, double edge, const float* colour);

    SiWetEtch* octree;
    std::vector<float> vertices;
    std::vector<float> colours;
};

} // namespace SiEtch
} // namespace Automata
