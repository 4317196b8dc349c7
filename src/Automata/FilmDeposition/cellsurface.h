#pragma once

#include <cstddef>
#include <vector>

#include "filmcell.h"
#include "filmcelltypecomparer.h"
#include "marchingcubes.h"
#include "surfacetriangle.h"

namespace Automata {
namespace FilmDeposition {

// The triangle surface around the voxels of one material in a film volume,
// by marching cubes of side 2 with midpoint vertices. A value: copying it
// copies the triangle list. The voxel buffer it was built from is only
// remembered, never owned or read again.
class CellSurface {
public:
    static constexpr int cubeSide = 2;

    // An empty surface of an empty volume.
    CellSurface() = default;

    // Open surface: all cube corners lie inside the volume, so material
    // touching a face of the volume is left open there.
    template <typename Cmp = FilmCellTypeComparer>
    static CellSurface open(int width, int height, int depth, const FilmCell* cells,
                            const FilmCell& reference, Cmp matches = Cmp())
    {
        CellSurface surface(width, height, depth, cells, reference, FilmCell::outsideCell(), false);
        surface.build(matches);
        return surface;
    }

    // Closed surface: cubes start one voxel before the volume and voxels
    // beyond it read as the outside cell, so the surface closes on the faces.
    template <typename Cmp = FilmCellTypeComparer>
    static CellSurface closed(int width, int height, int depth, const FilmCell* cells,
                              const FilmCell& reference,
                              const FilmCell& outside = FilmCell::outsideCell(),
                              Cmp matches = Cmp())
    {
        CellSurface surface(width, height, depth, cells, reference, outside, true);
        surface.build(matches);
        return surface;
    }

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getDepth() const { return depth; }
    int getCubeSize() const { return cubeSize; }
    const FilmCell* getCells() const { return cells; }
    const FilmCell& getReference() const { return reference; }
    const FilmCell& getOutside() const { return outside; }
    bool isClosed() const { return closedFlag; }

    const std::vector<SurfaceTriangle>& getTriangles() const { return triangles; }
    std::size_t triangleCount() const { return triangles.size(); }
    bool isEmpty() const { return triangles.empty(); }

private:
    CellSurface(int width, int height, int depth, const FilmCell* cells, const FilmCell& reference,
                const FilmCell& outside, bool closed)
        : width(width), height(height), depth(depth), cells(cells), reference(reference),
          outside(outside), closedFlag(closed)
    {
    }

    template <typename Cmp>
    void build(Cmp matches)
    {
        if (!cells || width <= 0 || height <= 0 || depth <= 0)
            return;
        const FilmCell* volume = cells;
        const FilmCell ref = reference;
        const int h = height;
        const int d = depth;
        MarchingCubes::extract(
            width, height, depth, cubeSize, closedFlag, !matches(outside, ref),
            [volume, ref, h, d, &matches](int x, int y, int z) {
                return !matches(volume[(static_cast<std::size_t>(x) * h + y) * d + z], ref);
            },
            triangles);
    }

    int width = 0;
    int height = 0;
    int depth = 0;
    int cubeSize = cubeSide;
    const FilmCell* cells = nullptr;
    FilmCell reference;
    FilmCell outside = FilmCell::outsideCell();
    bool closedFlag = false;
    std::vector<SurfaceTriangle> triangles;
};

} // namespace FilmDeposition
} // namespace Automata
