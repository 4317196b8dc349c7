#pragma once

#include <cstddef>
#include <vector>

#include "marchingcubes.h"
#include "surfacetriangle.h"

namespace Automata {
namespace Surfaces {

// The triangle surface around the voxels of a volume that a match function
// calls inside, by marching cubes of side 2 with midpoint vertices. Any cell
// type will do: the match function is the only thing that reads a cell. A
// value: copying it copies the triangle list. The voxels are read only while
// the surface is built.
class CellSurface {
public:
    static constexpr int cubeSide = 2;

    // An empty surface of an empty volume.
    CellSurface() = default;

    // Open surface: all cube corners lie inside the volume, so material
    // touching a face of the volume is left open there. inside(cell) tells
    // whether a cell belongs to the enclosed material.
    template <typename T, typename Inside>
    static CellSurface open(int width, int height, int depth, const T* cells, Inside inside)
    {
        CellSurface surface(width, height, depth, false);
        surface.build(cells, inside, false);
        return surface;
    }

    // Closed surface: cubes start one voxel before the volume and voxels
    // beyond it read as outside the material, so the surface closes on the
    // faces.
    template <typename T, typename Inside>
    static CellSurface closed(int width, int height, int depth, const T* cells, Inside inside)
    {
        CellSurface surface(width, height, depth, true);
        surface.build(cells, inside, false);
        return surface;
    }

    // The same, with voxels beyond the volume reading as the cell beyond.
    template <typename T, typename Inside>
    static CellSurface closed(int width, int height, int depth, const T* cells, Inside inside,
                              const T& beyond)
    {
        CellSurface surface(width, height, depth, true);
        surface.build(cells, inside, static_cast<bool>(inside(beyond)));
        return surface;
    }

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getDepth() const { return depth; }
    int getCubeSize() const { return cubeSize; }
    bool isClosed() const { return closedFlag; }

    const std::vector<SurfaceTriangle>& getTriangles() const { return triangles; }
    std::size_t triangleCount() const { return triangles.size(); }
    bool isEmpty() const { return triangles.empty(); }

private:
    CellSurface(int width, int height, int depth, bool closed)
        : width(width), height(height), depth(depth), closedFlag(closed)
    {
    }

    template <typename T, typename Inside>
    void build(const T* cells, Inside& inside, bool beyondIsInside)
    {
        if (!cells || width <= 0 || height <= 0 || depth <= 0)
            return;
        const int h = height;
        const int d = depth;
        MarchingCubes::extract(
            width, height, depth, cubeSize, closedFlag, !beyondIsInside,
            [cells, h, d, inside](int x, int y, int z) {
                return !inside(cells[(static_cast<std::size_t>(x) * h + y) * d + z]);
            },
            triangles);
    }

    int width = 0;
    int height = 0;
    int depth = 0;
    int cubeSize = cubeSide;
    bool closedFlag = false;
    std::vector<SurfaceTriangle> triangles;
};

} // namespace Surfaces
} // namespace Automata
