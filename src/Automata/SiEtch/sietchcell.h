#pragma once

#include <cstdint>

namespace Automata {
namespace SiEtch {

// A voxel of the silicon etch volume and a node of the octree view.
// Occupied means anything but Empty.
enum SiEtchCell : std::int32_t {
    Silicon = 0,
    Empty = 1,
    Mask = 2,
};

// RGBA colours, indexed by cell value.
namespace SiEtchColors {
// The etch volume's points: translucent silicon, masks in red; Empty is not drawn.
constexpr float etchPoints[3][4] = {
    {0.7f, 0.7f, 0.7f, 0.1f},
    {1.0f, 1.0f, 1.0f, 0.0f},
    {1.0f, 0.0f, 0.0f, 0.3f},
};
// The octree's wire cubes.
constexpr float octree[3][4] = {
    {0.5f, 0.5f, 0.5f, 1.0f},
    {1.0f, 1.0f, 1.0f, 0.1f},
    {1.0f, 0.0f, 0.0f, 1.0f},
};
} // namespace SiEtchColors

} // namespace SiEtch
} // namespace Automata
