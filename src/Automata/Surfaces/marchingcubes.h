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

    // The corner configuration of every cube of a volume, one byte per cube
    // in cube order (x outer, then y, then z), and the triangles they make
    // together: what a surface will hold, known before any of it is made.
    struct Cubes {
        int first = 0;
        int side = 2;
        int countX = 0;
        int countY = 0;
        int countZ = 0;
        std::vector<unsigned char> configurations;
        long long triangles = 0;
    };

    // Samples the cube corners of the volume: bit k of a configuration is set
    // when corner k is outside the material, that is when outsideAt(x, y, z)
    // holds. outsideAt is asked only for voxels inside the volume, and once
    // for each cube corner.
    //
    // Open: cube origins 0, s, 2s ... while the far corner stays inside the
    // volume. Closed: origins from -1 while below the extent, and corners
    // beyond the volume read as beyondIsOutside, so material touching a face
    // of the volume is closed off there.
    template <typename OutsideAt>
    static Cubes classify(int width, int height, int depth, int side, bool closed,
                          bool beyondIsOutside, OutsideAt outsideAt)
    {
        Cubes cubes;
        cubes.side = side;
        cubes.first = closed ? -1 : 0;
        const int first = cubes.first;
        cubes.countX = cubeCount(first, closed ? width : width - side, side);
        cubes.countY = cubeCount(first, closed ? height : height - side, side);
        cubes.countZ = cubeCount(first, closed ? depth : depth - side, side);
        if (cubes.countX == 0 || cubes.countY == 0 || cubes.countZ == 0) {
            cubes.countX = cubes.countY = cubes.countZ = 0;
            return cubes;
        }
        cubes.configurations.resize(static_cast<std::size_t>(cubes.countX) * cubes.countY
                                    * cubes.countZ);
        // Neighbouring cubes share corners, so the corners are sampled once,
        // one x layer at a time: the layer at a cube's near x and the one at
        // its far x.
        const int pointsY = cubes.countY + 1;
        const int pointsZ = cubes.countZ + 1;
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
        const unsigned char* const triangles = triangleCounts();
        unsigned char* configuration = cubes.configurations.data();
        long long total = 0;
        sampleLayer(first, nearLayer);
        for (int i = 0; i < cubes.countX; ++i) {
            sampleLayer(first + side * (i + 1), farLayer);
            const unsigned char* layers[2] = {nearLayer.data(), farLayer.data()};
            for (int j = 0; j < cubes.countY; ++j) {
                for (int k = 0; k < cubes.countZ; ++k) {
                    int cubeIndex = 0;
                    for (int c = 0; c < 8; ++c) {
                        const int* offset = cornerOffset[c];
                        const std::size_t point =
                            static_cast<std::size_t>(j + offset[1]) * pointsZ + k + offset[2];
                        if (layers[offset[0]][point])
                            cubeIndex |= 1 << c;
                    }
                    *configuration++ = static_cast<unsigned char>(cubeIndex);
                    total += triangles[cubeIndex];
                }
            }
            nearLayer.swap(farLayer);
        }
        cubes.triangles = total;
        return cubes;
    }

    // Appends the triangles of the cubes in cube order and, within a cube, in
    // table order, each with a vertex at the midpoint of its cut edges.
    static void triangulate(const Cubes& cubes, std::vector<SurfaceTriangle>& triangles);

    // How many triangles each of the 256 configurations makes.
    static const unsigned char* triangleCounts();

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
