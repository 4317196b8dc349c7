#include "octreenode.h"

namespace Automata {
namespace SiEtch {

OctreeNode::OctreeNode(SiEtchCell value, OctreeNode* parent, double x, double y, double z,
                       double size)
    : value(value), parent(parent), x(x), y(y), z(z), size(size)
{
}

OctreeNode::~OctreeNode()
{
    deleteChildren();
}

void OctreeNode::deleteChildren()
{
    for (OctreeNode*& child : children) {
        delete child;
        child = nullptr;
    }
    childCount = 0;
}

int OctreeNode::octantOf(double px, double py, double pz) const
{
    const double h = size / 2;
    return (px > x + h ? 4 : 0) + (py > y + h ? 2 : 0) + (pz > z + h ? 1 : 0);
}

void OctreeNode::insert(double px, double py, double pz, SiEtchCell newValue)
{
    OctreeNode* node = this;
    for (;;) {
        if (node->size < 2) {
            node->value = newValue;
            if (node->parent)
                node->parent->mergeUpward();
            return;
        }
        if (node->value == newValue)
            return;
        const int octant = node->octantOf(px, py, pz);
        OctreeNode*& child = node->children[octant];
        if (!child) {
            const double h = node->size / 2;
            child = new OctreeNode(node->value, node, node->x + (octant & 4 ? h : 0),
                                   node->y + (octant & 2 ? h : 0), node->z + (octant & 1 ? h : 0),
                                   h);
            ++node->childCount;
        }
        node = child;
    }
}

void OctreeNode::mergeUpward()
{
    for (OctreeNode* node = this; node; node = node->parent) {
        const OctreeNode* first = nullptr;
        for (const OctreeNode* child : node->children)
            if (child && !first)
                first = child;
        if (!first)
            return;
        const SiEtchCell merged = first->value;
        for (const OctreeNode* child : node->children) {
            // An absent octant holds the node's own value.
            const SiEtchCell octantValue = child ? child->value : node->value;
            if (octantValue != merged || (child && child->childCount > 0))
                return;
        }
        node->deleteChildren();
        node->value = merged;
    }
}

long long OctreeNode::countNodes() const
{
    long long count = 1;
    for (const OctreeNode* child : children)
        if (child)
            count += child->countNodes();
    return count;
}

const OctreeNode* OctreeNode::find(double px, double py, double pz) const
{
    const OctreeNode* node = this;
    while (node->childCount > 0) {
        const OctreeNode* child = node->children[node->octantOf(px, py, pz)];
        if (!child)
            break;
        node = child;
    }
    return node;
}

} // namespace SiEtch
} // namespace Automata
