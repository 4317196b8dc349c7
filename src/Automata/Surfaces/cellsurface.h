#pragma once

#include <cstddef>
#include <vector>

#include "surfacescan.h"
#include "surfacetriangle.h"

namespace Automata {
namespace Surfaces {

// The triangle surface around the voxels of a volume that a match function
// calls inside, by marching cubes of side 2 with midpoint vertices. Any cell
// type will do: the match function is the only thing that reads a cell. A
// value: copying it copies the triangle list. The voxels are read only while
// the surface is built.
//
// Every surface is counted before it is made and stays within the triangle
// budget of SurfaceBudget: one that would not fit is refused, empty, and
// says how many triangles it needed. The single surfaces below count against
// the whole budget; owners that hold a volume beside them use build().
class CellSurface {
public:
    static constexpr int cubeSide = SurfaceScan::cubeSide;

    // An empty surface of an empty volume.
    CellSurface() = default;

    // Open surface: all cube corners lie inside the volume, so material
    // touching a face of the volume is left open there. inside(cell) tells
    // whether a cell belongs to the enclosed material.
    template <typename T, typename Inside>
    static CellSurface open(int width, int height, int depth, const T* cells, Inside inside)
    {
        return fromScan(SurfaceScan::open(width, height, depth, cells, inside));
    }

    // Closed surface: cubes start one voxel before the volume and voxels
    // beyond it read as outside the material, so the surface closes on the
    // faces.
    template <typename T, typename Inside>
    static CellSurface closed(int width, int height, int depth, const T* cells, Inside inside)
    {
        return fromScan(SurfaceScan::closed(width, height, depth, cells, inside));
    }

    // The same, with voxels beyond the volume reading as the cell beyond.
    template <typename T, typename Inside>
    static CellSurface closed(int width, int height, int depth, const T* cells, Inside inside,
                              const T& beyond)
    {
        return fromScan(SurfaceScan::closed(width, height, depth, cells, inside, beyond));
    }

    // One surface per scan, in order, for surfaces shown together: built when
    // their triangles fit together in what the budget leaves beside
    // heldBytes (the volume's own buffers), otherwise all refused without
    // allocating any triangle.
    static std::vector<CellSurface> build(const std::vector<SurfaceScan>& scans,
                                          long long heldBytes);

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getDepth() const { return depth; }
    int getCubeSize() const { return cubeSize; }
    bool isClosed() const { return closedFlag; }

    const std::vector<SurfaceTriangle>& getTriangles() const { return triangles; }
    std::size_t triangleCount() const { return triangles.size(); }
    bool isEmpty() const { return triangles.empty(); }
    // Refused: the triangles would not have fitted in memory, so none were made.
    bool isRefused() const { return refused; }
    // The triangles the surface holds or, when refused, would have held.
    long long neededTriangles() const { return needed; }

private:
    CellSurface(int width, int height, int depth, bool closed)
        : width(width), height(height), depth(depth), closedFlag(closed)
    {
    }

    static CellSurface fromScan(SurfaceScan&& scan);

    int width = 0;
    int height = 0;
    int depth = 0;
    int cubeSize = cubeSide;
    bool closedFlag = false;
    bool refused = false;
    long long needed = 0;
    std::vector<SurfaceTriangle> triangles;
};

} // namespace Surfaces
} // namespace Automata
