#include "multifhpautomatonpainter.h"

#include <cmath>

#include <qopengl.h>

#include "../savedglstate.h"
#include "fhpautomaton.h"
#include "multifhpautomaton.h"

namespace Automata {
namespace FhpAutomata {

MultiFhpAutomatonPainter::MultiFhpAutomatonPainter(MultiFhpAutomaton* automaton)
    : Painter(automaton), multi(automaton)
{
}

int MultiFhpAutomatonPainter::getWidth()
{
    return multi->getWidth();
}

int MultiFhpAutomatonPainter::getHeight()
{
    return multi->getHeight();
}

void MultiFhpAutomatonPainter::arrowColor(float speed, float* rgb) const
{
    const float t = (speed - speedMin) / speedRange;
    if (t <= 0.5f) {
        rgb[0] = 1.0f - 2.0f * t;
        rgb[1] = 2.0f * t;
        rgb[2] = 0.0f;
    } else {
        const float u = 2.0f * (t - 0.5f);
        rgb[0] = 0.0f;
        rgb[1] = 1.0f - u;
        rgb[2] = u;
    }
}

std::vector<MultiFhpAutomatonPainter::Arrow> MultiFhpAutomatonPainter::arrows()
{
    const int s = multi->getScaleFactor();
    const int width = multi->getWidth();
    const int height = multi->getHeight();
    arrowScale = static_cast<float>(s) * 0.5f;
    const float L = arrowScale;
    FhpAutomaton* last = multi->getMember(multi->getMemberCount() - 1);
    const FhpCell* cells = last->getCells();

    std::vector<Arrow> result;
    for (int x0 = 0; x0 < width; x0 += s) {
        for (int y0 = 0; y0 < height; y0 += s) {
            const FhpCell& corner = cells[static_cast<std::size_t>(x0) * height + y0];
            if (corner.isSource() || corner.isObstacle())
                continue;
            const float vx = multi->getVelocityX(x0, y0);
            const float vy = multi->getVelocityY(x0, y0);
            Arrow a;
            a.tipX = static_cast<float>(x0 + s / 2);
            a.tipY = static_cast<float>(y0 + s / 2);
            a.tailX = a.tipX - L * vx;
            a.tailY = a.tipY - L * vy;
            // Barbs a tenth of the shaft long, turned by +30 and -30 degrees.
            a.barbAX = a.tipX - L * (0.0866025f * vx - 0.05f * vy);
            a.barbAY = a.tipY - L * (0.05f * vx + 0.0866025f * vy);
            a.barbBX = a.tipX - L * (0.0866025f * vx + 0.05f * vy);
            a.barbBY = a.tipY - L * (-0.05f * vx + 0.0866025f * vy);
            arrowColor(std::sqrt(vx * vx + vy * vy), a.color);
            result.push_back(a);
        }
    }
    return result;
}

void MultiFhpAutomatonPainter::paint()
{
    const SavedGlState saved;
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    const std::vector<Arrow> list = arrows();

    FhpAutomaton* last = multi->getMember(multi->getMemberCount() - 1);
    const FhpCell* cells = last->getCells();
    const int width = multi->getWidth();
    const int height = multi->getHeight();
    glBegin(GL_POINTS);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const FhpCell& cell = cells[static_cast<std::size_t>(x) * height + y];
            if (cell.isObstacle()) {
                glColor3f(1.0f, 0.0f, 0.0f);
                glVertex2i(x, y);
            } else if (cell.isSource()) {
                glColor3f(1.0f, 0.0f, 1.0f);
                glVertex2i(x, y);
            }
        }
    }
    glEnd();

    glBegin(GL_LINES);
    for (const Arrow& a : list) {
        glColor3fv(a.color);
        glVertex2f(a.tailX, a.tailY);
        glVertex2f(a.tipX, a.tipY);
        glVertex2f(a.barbAX, a.barbAY);
        glVertex2f(a.tipX, a.tipY);
        glVertex2f(a.barbBX, a.barbBY);
        glVertex2f(a.tipX, a.tipY);
    }
    glEnd();
}

} // namespace FhpAutomata
} // namespace Automata
