#pragma once

#include <cstddef>
#include <vector>

#include "surfacetriangle.h"

namespace Automata {
namespace Surfaces {

// Marching cubes on cubes of a fixed side with a vertex at the midpoint of
// every cut edge, using the standard 256-entry edge and triangle tables. The
// volume is described by a predicate only, so every family with a voxel
// volume (material types, states, development levels) shares this code.
class MarchingCubes {
public:
    // Which of the twelve cube edges a corner configuration cuts.
    static const unsigned short edgeTable[256];
    // The triangles of each configuration as edge numbers, -1 terminated.
    static const signed char triangleTable[256][16];
    // Corner k of a cube with lowest corner (x, y, z) and side s lies at
    // (x, y, z) + s * cornerOffset[k].
    static const int cornerOffset[8][3];
    // The two corners joined by each edge.
    static const int edgeCorners[12][2];

    // Appends the triangles separating the voxels for which outsideAt(x, y, z)
    // is false (the material) from the rest, in cube order (x outer, then y,
    // then z) and, within a cube, in table order. outsideAt is asked only for
    // voxels inside the volume, and once for each cube corner.
    //
    // Open: cube origins 0, s, 2s ... while the far corner stays inside the
    // volume. Closed: origins from -1 while below the extent, and corners
    // beyond the volume read as beyondIsOutside, so material touching a face
    // of the volume is closed off there.
    template <typename OutsideAt>
    static void extract(int width, int height, int depth, int side, bool closed,
                        bool beyondIsOutside, OutsideAt outsideAt,
                        std::vector<SurfaceTriangle>& triangles)
    {
        const int first = closed ? -1 : 0;
        const int cubesX = cubeCount(first, closed ? width : width - side, side);
        const int cubesY = cubeCount(first, closed ? height : height - side, side);
        const int cubesZ = cubeCount(first, closed ? depth : depth - side, side);
        if (cubesX == 0 || cubesY == 0 || cubesZ == 0)
            return;
        // Neighbouring cubes share corners, so the corners are sampled once,
        // one x layer at a time: the layer at a cube's near x and the one at
        // its far x.
        const int pointsY = cubesY + 1;
        const int pointsZ = cubesZ + 1;
        const std::size_t layerSize = static_cast<std::size_t>(pointsY) * pointsZ;
        std::vector<unsigned char> nearLayer(layerSize);
        std::vector<unsigned char> farLayer(layerSize);
        const auto sampleLayer = [&](int x, std::vector<unsigned char>& layer) {
            const bool inX = x >= 0 && x < width;
            unsigned char* point = layer.data();
            for (int j = 0; j < pointsY; ++j) {
                const int y = first + side * j;
                const bool inXY = inX && y >= 0 && y < height;
                for (int k = 0; k < pointsZ; ++k) {
                    const int z = first + side * k;
                    const bool inside = inXY && z >= 0 && z < depth;
                    *point++ = inside ? static_cast<bool>(outsideAt(x, y, z)) : beyondIsOutside;
                }
            }
        };
        sampleLayer(first, nearLayer);
        for (int i = 0; i < cubesX; ++i) {
            const int x = first + side * i;
            sampleLayer(x + side, farLayer);
            const unsigned char* layers[2] = {nearLayer.data(), farLayer.data()};
            for (int j = 0; j < cubesY; ++j) {
                for (int k = 0; k < cubesZ; ++k) {
                    int cubeIndex = 0;
                    for (int c = 0; c < 8; ++c) {
                        const int* offset = cornerOffset[c];
                        const std::size_t point =
                            static_cast<std::size_t>(j + offset[1]) * pointsZ + k + offset[2];
                        if (layers[offset[0]][point])
                            cubeIndex |= 1 << c;
                    }
                    if (edgeTable[cubeIndex] != 0)
                        appendCube(x, first + side * j, first + side * k, side, cubeIndex,
                                   triangles);
                }
            }
            nearLayer.swap(farLayer);
        }
    }

private:
    // Cube origins first, first + side ... below end.
    static int cubeCount(int first, int end, int side)
    {
        return end > first ? (end - first + side - 1) / side : 0;
    }

    static void appendCube(int x, int y, int z, int side, int cubeIndex,
                           std::vector<SurfaceTriangle>& triangles);
};

} // namespace Surfaces
} // namespace Automata
