#pragma once

#include <qopengl.h>

#include "automaton2d.h"
#include "painter.h"
#include "savedglstate.h"

namespace Automata {

// Draws an Automaton2D as flat-shaded unit squares, two triangles per cell,
// cell (0, 0) at the lower left.
template <typename T>
class Painter2D : public Painter {
public:
    explicit Painter2D(Automaton2D<T>* automaton) : Painter(automaton), lattice(automaton) {}

    void paint() override
    {
        const T* cells = lattice->getCells();
        const int width = lattice->getWidth();
        const int height = lattice->getHeight();
        const SavedGlState saved;
        glShadeModel(GL_FLAT);
        glBegin(GL_TRIANGLES);
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < height; ++y) {
                glColor3fv(lattice->getColor(cells[x * height + y]));
                glVertex2i(x, y);
                glVertex2i(x + 1, y);
                glVertex2i(x, y + 1);
                glVertex2i(x, y + 1);
                glVertex2i(x + 1, y);
                glVertex2i(x + 1, y + 1);
            }
        }
        glEnd();
    }

    int getWidth() override { return lattice->getWidth(); }
    int getHeight() override { return lattice->getHeight(); }

protected:
    Automaton2D<T>* lattice;
};

} // namespace Automata
