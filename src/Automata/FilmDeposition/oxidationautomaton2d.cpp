#include "oxidationautomaton2d.h"

#include <algorithm>

#include "../painter2d.h"

namespace Automata {
namespace FilmDeposition {

namespace {

const float maskColor[3] = {1.0f, 0.0f, 0.0f};
const float siliconColor[3] = {0.75f, 0.75f, 0.75f};
const float oxideColor[3] = {0.25f, 0.25f, 0.5f};
const float ambientColor[3] = {1.0f, 1.0f, 1.0f};

} // namespace

OxidationAutomaton2D::OxidationAutomaton2D(int width, int height, const FilmCell* initialCells,
                                           const Parameters& parameters)
    : Automaton2D<FilmCell>(width, height),
      rate(parameters.growthRate / (parameters.cellSize / parameters.timeStep)),
      growthRate(parameters.growthRate),
      vtsLateralFactor(1.25f),
      elapsedTime(0.0f),
      timeStep(parameters.timeStep),
      cellSize(parameters.cellSize),
      lateralSpeedup(parameters.lateralSpeedup)
{
    std::copy(initialCells, initialCells + cellCount(), cells);
    painter = new Painter2D<FilmCell>(this);
}

void OxidationAutomaton2D::step()
{
    advanceFixedStep();
}

void OxidationAutomaton2D::advanceFixedStep()
{
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            updateCell(x, y);
    elapsedTime += timeStep;
    finishStep();
}

void OxidationAutomaton2D::save()
{
}

double OxidationAutomaton2D::getTime()
{
    return static_cast<double>(elapsedTime);
}

std::string OxidationAutomaton2D::getTimeInfo()
{
    return " hours";
}

const float* OxidationAutomaton2D::getColor(const FilmCell& cell)
{
    switch (cell.type) {
    case Film:
        return maskColor;
    case Silicon:
        return siliconColor;
    case Oxide:
        return oxideColor;
    default:
        return ambientColor;
    }
}

} // namespace FilmDeposition
} // namespace Automata
