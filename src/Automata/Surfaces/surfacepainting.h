#pragma once

#include <cstddef>

#include <qopengl.h>

#include "cellsurface.h"

namespace Automata {
namespace Surfaces {

// How the painters of volumes draw lit surfaces: on white, smooth-shaded with
// light 0 and colour material, each surface as one triangle list with a
// normal before every corner. A volume whose surfaces were refused is drawn
// as unlit points on white instead, one per visible voxel of each material.
class SurfacePainting {
public:
    // Clears to white and switches the light on; call inside pushed attributes.
    static void begin()
    {
        glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glShadeModel(GL_SMOOTH);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
    }

    // Opaque unless blending is on and alpha is below 1.
    static void draw(const CellSurface& surface, const float* color, float alpha = 1.0f)
    {
        glColor4f(color[0], color[1], color[2], alpha);
        glBegin(GL_TRIANGLES);
        for (const SurfaceTriangle& triangle : surface.getTriangles()) {
            for (const SurfaceTriangle::Vertex& vertex : triangle.vertices) {
                glNormal3fv(vertex.normal);
                glVertex3fv(vertex.position);
            }
        }
        glEnd();
    }

    // Clears to white for points of size 1 without light; call inside pushed attributes.
    static void beginPoints()
    {
        glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_LIGHTING);
        glPointSize(1.0f);
    }

    // A point at every boundary voxel of the material, in the given colour.
    template <typename T, typename Inside>
    static void drawPoints(int width, int height, int depth, const T* cells, Inside inside,
                           const float* color)
    {
        glColor3fv(color);
        glBegin(GL_POINTS);
        forEachBoundaryVoxel(width, height, depth, cells, inside,
                             [](int x, int y, int z) { glVertex3i(x, y, z); });
        glEnd();
    }

    // Calls visit(x, y, z), in volume order, for every voxel inside the
    // material that can be seen: one with a face neighbour outside the
    // material, or on a face of the volume. Voxels buried in the material
    // would only be hidden behind these.
    template <typename T, typename Inside, typename Visit>
    static void forEachBoundaryVoxel(int width, int height, int depth, const T* cells,
                                     Inside inside, Visit visit)
    {
        const std::size_t strideY = static_cast<std::size_t>(depth);
        const std::size_t strideX = strideY * static_cast<std::size_t>(height);
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < height; ++y) {
                const T* column = cells + x * strideX + y * strideY;
                for (int z = 0; z < depth; ++z) {
                    const T* cell = column + z;
                    if (!inside(*cell))
                        continue;
                    const bool onFace = x == 0 || y == 0 || z == 0 || x == width - 1
                                        || y == height - 1 || z == depth - 1;
                    if (onFace || !inside(cell[-static_cast<std::ptrdiff_t>(strideX)])
                        || !inside(cell[strideX]) || !inside(cell[-static_cast<std::ptrdiff_t>(strideY)])
                        || !inside(cell[strideY]) || !inside(cell[-1]) || !inside(cell[1]))
                        visit(x, y, z);
                }
            }
        }
    }
};

} // namespace Surfaces
} // namespace Automata
