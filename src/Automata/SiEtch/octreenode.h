#pragma once

#include "sietchcell.h"

namespace Automata {
namespace SiEtch {

// A cube of the octree view: a leaf holds one value for its whole cube; a
// node with children holds the value of its absent octants. Child index is
// 4 (upper x half) + 2 (upper y half) + 1 (upper z half). A node owns its
// children.
class OctreeNode {
public:
    OctreeNode(SiEtchCell value, OctreeNode* parent, double x, double y, double z, double size);
    ~OctreeNode();
    OctreeNode(const OctreeNode&) = delete;
    OctreeNode& operator=(const OctreeNode&) = delete;

    // Stores value at point (px, py, pz): descends, creating octants, until a
    // cube narrower than 2 takes the value, then merges upward every node
    // whose eight octants hold one value.
    void insert(double px, double py, double pz, SiEtchCell newValue);

    // This node and all below it.
    long long countNodes() const;
    // The leaf or absent octant's owner whose cube holds the point.
    const OctreeNode* find(double px, double py, double pz) const;
    // The octant of a point: 4 (upper x) + 2 (upper y) + 1 (upper z).
    int octantOf(double px, double py, double pz) const;

    SiEtchCell value;
    OctreeNode* parent;
    OctreeNode* children[8] = {};
    double x, y, z;
    double size;
    unsigned childCount = 0;

private:
    void deleteChildren();
    // Merges this node and then its ancestors while all octants agree.
    void mergeUpward();
};

} // namespace SiEtch
} // namespace Automata
