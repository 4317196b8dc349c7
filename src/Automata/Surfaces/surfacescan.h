#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

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

    // Samples again the cubes that have one of the given voxels (volume
    // indices) as a corner, after those voxels changed, and recounts the
    // triangles; cells and inside are the volume and match function the scan
    // was made with. Voxels that are no cube corner change nothing.
    template <typename T, typename Inside>
    void resample(const T* cells, Inside inside, const std::vector<long long>& voxels)
    {
        if (cubes.configurations.empty())
            return;
        const unsigned char* const triangles = MarchingCubes::triangleCounts();
        const int first = cubes.first;
        const int side = cubes.side;
        const auto outsideAt = [&](int x, int y, int z) -> bool {
            if (x < 0 || x >= width || y < 0 || y >= height || z < 0 || z >= depth)
                return beyondIsOutside;
            return !inside(cells[(static_cast<std::size_t>(x) * height + y) * depth + z]);
        };
        for (const long long voxel : voxels) {
            const int z = static_cast<int>(voxel % depth);
            const int y = static_cast<int>((voxel / depth) % height);
            const int x = static_cast<int>(voxel / depth / height);
            if ((x - first) % side || (y - first) % side || (z - first) % side)
                continue;
            const int px = (x - first) / side;
            const int py = (y - first) / side;
            const int pz = (z - first) / side;
            for (int i = std::max(px - 1, 0); i <= std::min(px, cubes.countX - 1); ++i)
                for (int j = std::max(py - 1, 0); j <= std::min(py, cubes.countY - 1); ++j)
                    for (int k = std::max(pz - 1, 0); k <= std::min(pz, cubes.countZ - 1); ++k) {
                        int cubeIndex = 0;
                        for (int c = 0; c < 8; ++c) {
                            const int* offset = MarchingCubes::cornerOffset[c];
                            if (outsideAt(first + side * (i + offset[0]), first + side * (j + offset[1]),
                                          first + side * (k + offset[2])))
                                cubeIndex |= 1 << c;
                        }
                        unsigned char& configuration =
                            cubes.configurations[(static_cast<std::size_t>(i) * cubes.countY + j)
                                                     * cubes.countZ + k];
                        cubes.triangles += triangles[cubeIndex] - triangles[configuration];
                        configuration = static_cast<unsigned char>(cubeIndex);
                    }
        }
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
        beyondIsOutside = !beyondIsInside;
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
    bool beyondIsOutside = true;
    MarchingCubes::Cubes cubes;
};

} // namespace Surfaces
} // namespace Automata
