#pragma once

#include <qopengl.h>

#include "cellsurface.h"

namespace Automata {
namespace Surfaces {

// How the painters of volumes draw lit surfaces: on white, smooth-shaded with
// light 0 and colour material, each surface as one triangle list with a
// normal before every corner.
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

    static void draw(const CellSurface& surface, const float* color)
    {
        glColor3fv(color);
        glBegin(GL_TRIANGLES);
        for (const SurfaceTriangle& triangle : surface.getTriangles()) {
            for (const SurfaceTriangle::Vertex& vertex : triangle.vertices) {
                glNormal3fv(vertex.normal);
                glVertex3fv(vertex.position);
            }
        }
        glEnd();
    }
};

} // namespace Surfaces
} // namespace Automata
