#pragma once

#include <cmath>
#include <vector>

#include "surfacetriangle.h"

namespace Automata {
namespace FilmDeposition {

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
    // voxels inside the volume.
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
        const int endX = closed ? width : width - side;
        const int endY = closed ? height : height - side;
        const int endZ = closed ? depth : depth - side;
        for (int x = first; x < endX; x += side) {
            for (int y = first; y < endY; y += side) {
                for (int z = first; z < endZ; z += side) {
                    int cubeIndex = 0;
                    for (int k = 0; k < 8; ++k) {
                        const int cx = x + side * cornerOffset[k][0];
                        const int cy = y + side * cornerOffset[k][1];
                        const int cz = z + side * cornerOffset[k][2];
                        const bool inside = cx >= 0 && cx < width && cy >= 0 && cy < height
                                            && cz >= 0 && cz < depth;
                        const bool outside = inside ? static_cast<bool>(outsideAt(cx, cy, cz))
                                                    : beyondIsOutside;
                        if (outside)
                            cubeIndex |= 1 << k;
                    }
                    if (edgeTable[cubeIndex] != 0)
                        appendCube(x, y, z, side, cubeIndex, triangles);
                }
            }
        }
    }

private:
    static void appendCube(int x, int y, int z, int side, int cubeIndex,
                           std::vector<SurfaceTriangle>& triangles);
};

} // namespace FilmDeposition
} // namespace Automata
