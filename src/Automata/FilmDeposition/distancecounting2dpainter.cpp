#include "distancecounting2dpainter.h"

#include <cmath>
#include <vector>

namespace Automata {
namespace FilmDeposition {

DistanceCounting2DPainter::DistanceCounting2DPainter(Automaton2D<DistState>* automaton)
    : Painter2D<DistState>(automaton)
{
}

bool DistanceCounting2DPainter::showsArrow(const DistState* cells, int width, int height, int x,
                                           int y)
{
    const DistState& cell = cells[static_cast<std::size_t>(x) * height + y];
    const float length = cell.dx * cell.dx + cell.dy * cell.dy;
    if (!(length > 0.0f && length < 100000.0f))
        return false;
    const auto emptyAt = [&](int nx, int ny) {
        nx = (nx + width) % width;
        ny = (ny + height) % height;
        return cells[static_cast<std::size_t>(nx) * height + ny].state == 0;
    };
    return emptyAt(x - 1, y) || emptyAt(x + 1, y) || emptyAt(x, y - 1) || emptyAt(x, y + 1);
}

void DistanceCounting2DPainter::paint()
{
    Painter2D<DistState>::paint();
    const DistState* cells = lattice->getCells();
    const int width = lattice->getWidth();
    const int height = lattice->getHeight();
    // Each arrow is a shaft from (0, 0) to (3, 0) and a head, turned to the
    // cell's vector and placed at the cell's centre above the squares.
    std::vector<float> shafts;
    std::vector<float> heads;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (!showsArrow(cells, width, height, x, y))
                continue;
            const DistState& cell = cells[static_cast<std::size_t>(x) * height + y];
            const float length = std::sqrt(cell.dx * cell.dx + cell.dy * cell.dy);
            const float c = cell.dx / length;
            const float s = cell.dy / length;
            const float cx = x + 0.5f;
            const float cy = y + 0.5f;
            const auto put = [&](std::vector<float>& list, float px, float py) {
                list.push_back(cx + c * px - s * py);
                list.push_back(cy + s * px + c * py);
                list.push_back(1.0f);
            };
            put(shafts, 0.0f, 0.0f);
            put(shafts, 3.0f, 0.0f);
            put(heads, 3.0f, 0.0f);
            put(heads, 2.4803848f, 0.3f);
            put(heads, 2.4803848f, -0.3f);
        }
    }
    if (shafts.empty())
        return;
    const SavedGlState saved;
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glColor3f(0.0f, 0.0f, 1.0f);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, shafts.data());
    glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(shafts.size() / 3));
    glVertexPointer(3, GL_FLOAT, 0, heads.data());
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(heads.size() / 3));
    glDisableClientState(GL_VERTEX_ARRAY);
}

} // namespace FilmDeposition
} // namespace Automata
