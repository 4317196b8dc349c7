#pragma once

#include <cstddef>

#include "marchingcubes.h"

namespace Automata {
namespace Surfaces {

// The first half of building a CellSurface: the cubes of a volume sampled
// and their triangles counted, so an owner knows what its surfaces will
// hold before any triangle is made. The variants and the match function are
// those of CellSurface; the voxels are read only here, never again.
class SurfaceScan {
public:
    static constexpr int cubeSide = 2;

    // All cube corners inside the volume; material touching a face stays open there.
    template <typename T, typename Inside>
    static SurfaceScan open(int width, int height, int depth, const T* cells, Inside inside)
    {
        SurfaceScan scan(width, height, depth, false);
        scan.sample(cells, inside, false);
        return scan;
    }

    // Cubes from one voxel before the volume, voxels beyond it outside the
    // material, so the surface closes on the faces.
    template <typename T, typename Inside>
    static SurfaceScan closed(int width, int height, int depth, const T* cells, Inside inside)
    {
        SurfaceScan scan(width, height, depth, true);
        scan.sample(cells, inside, false);
        return scan;
    }

    // The same, with voxels beyond the volume reading as the cell beyond.
    template <typename T, typename Inside>
    static SurfaceScan closed(int width, int height, int depth, const T* cells, Inside inside,
                              const T& beyond)
    {
        SurfaceScan scan(width, height, depth, true);
        scan.sample(cells, inside, static_cast<bool>(inside(beyond)));
        return scan;
    }

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getDepth() const { return depth; }
    bool isClosed() const { return closedFlag; }
    // The triangles the surface will hold.
    long long triangleCount() const { return cubes.triangles; }
    const MarchingCubes::Cubes& getCubes() const { return cubes; }

private:
    SurfaceScan(int width, int height, int depth, bool closed)
        : width(width), height(height), depth(depth), closedFlag(closed)
    {
    }

    template <typename T, typename Inside>
    void sample(const T* cells, Inside& inside, bool beyondIsInside)
    {
        if (!cells || width <= 0 || height <= 0 || depth <= 0)
            return;
        const int h = height;
        const int d = depth;
        cubes = MarchingCubes::classify(
            width, height, depth, cubeSide, closedFlag, !beyondIsInside,
            [cells, h, d, inside](int x, int y, int z) {
                return !inside(cells[(static_cast<std::size_t>(x) * h + y) * d + z]);
            });
    }

    int width = 0;
    int height = 0;
    int depth = 0;
    bool closedFlag = false;
    MarchingCubes::Cubes cubes;
};

} // namespace Surfaces
} // namespace Automata
