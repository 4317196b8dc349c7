#pragma once

#include <string>

#include "../automaton2d.h"
#include "filmcell.h"

namespace Automata {
namespace FilmDeposition {

// Thermal oxidation of silicon on a cross-section at a constant growth rate and
// a fixed time step. A cell's value is the fraction of it not yet oxidised;
// oxide cells consume neighbouring silicon and ambient cells, so the oxide front
// moves into the silicon while the oxide surface rises into the ambient. Film
// cells are an inert mask. Time is in hours.
class OxidationAutomaton2D : public Automaton2D<FilmCell> {
public:
    // What the option dialog sets, with its defaults.
    struct Parameters {
        // Oxide growth in um/h.
        float growthRate = 0.01f;
        // Cell edge in um.
        float cellSize = 0.001f;
        // Hours per step.
        float timeStep = 0.01f;
        // Weight of the two neighbours at x - 1 and x + 1.
        float lateralSpeedup = 1.0f;
    };

    // Copies width x height cells in lattice order.
    OxidationAutomaton2D(int width, int height, const FilmCell* initialCells,
                         const Parameters& parameters);

    void step() override;
    // The oxidation models write no pictures.
    void save() override;
    double getTime() override;
    std::string getTimeInfo() override;
    const float* getColor(const FilmCell& cell) override;

    // Growth per step in cell units.
    float getRate() const { return rate; }
    // Weight of lateral neighbours in the variable step's time estimate.
    float getLateralFactor() const { return vtsLateralFactor; }
    float getTimeStep() const { return timeStep; }
    float getCellSize() const { return cellSize; }
    float getLateralSpeedup() const { return lateralSpeedup; }

    void setElapsedTime(float time) { elapsedTime = time; }
    // Only a positive rate is taken: a rate law that yields nothing usable
    // leaves the model running at its previous rate.
    void setRate(float newRate)
    {
        if (newRate > 0.0f)
            rate = newRate;
    }
    // Negative durations are ignored.
    void setTimeStep(float newTimeStep)
    {
        if (newTimeStep >= 0.0f)
            timeStep = newTimeStep;
    }

    // Shares of a cell that one unit of oxide growth consumes: ambient cells
    // take 0.44 of it, silicon 0.56 (the rest of the volume grows outwards).
    static constexpr float ambientShare = 0.44f;
    static constexpr float siliconShare = 0.56f;
    // Weight of the four diagonal neighbours, 1 / sqrt(2).
    static constexpr float diagonalWeight = 0.70710677f;
    // A cell with no more than this left is fully oxidised.
    static constexpr float conversionThreshold = 1e-6f;

protected:
    static bool consumable(FilmDepositionCell type) { return type == Empty || type == Silicon; }
    static float share(FilmDepositionCell type)
    {
        return type == Empty ? ambientShare : siliconShare;
    }

    // The weighted number of oxide neighbours of (x, y) in the current lattice:
    // vertical neighbours weigh 1, diagonal ones 1 / sqrt(2) and lateral ones
    // the given weight. Sites outside the lattice are ambient and never count.
    float oxideNeighbourWeight(int x, int y, float lateralWeight) const
    {
        const int h = height;
        const FilmCell* column = cells + static_cast<std::size_t>(x) * h;
        const bool above = y > 0;
        const bool below = y + 1 < h;
        int vertical = 0;
        int lateral = 0;
        int diagonal = 0;
        if (above && column[y - 1].type == Oxide)
            ++vertical;
        if (below && column[y + 1].type == Oxide)
            ++vertical;
        if (x > 0) {
            const FilmCell* left = column - h;
            lateral += left[y].type == Oxide;
            if (above)
                diagonal += left[y - 1].type == Oxide;
            if (below)
                diagonal += left[y + 1].type == Oxide;
        }
        if (x + 1 < width) {
            const FilmCell* right = column + h;
            lateral += right[y].type == Oxide;
            if (above)
                diagonal += right[y - 1].type == Oxide;
            if (below)
                diagonal += right[y + 1].type == Oxide;
        }
        return static_cast<float>(vertical) + lateralWeight * static_cast<float>(lateral)
               + diagonalWeight * static_cast<float>(diagonal);
    }

    // The cell rule shared by the oxidation models: reads cells, writes the
    // whole cell (x, y) of nextCells. Ambient and silicon lose material to
    // their oxide neighbours and turn into oxide when nothing is left; every
    // other cell is copied unchanged.
    void updateCell(int x, int y)
    {
        const std::size_t i = static_cast<std::size_t>(x) * height + y;
        const FilmCell& cell = cells[i];
        FilmCell& next = nextCells[i];
        next = cell;
        if (!consumable(cell.type))
            return;
        const float loss = timeStep * rate * share(cell.type) * oxideNeighbourWeight(x, y, lateralSpeedup);
        const float remaining = cell.value - loss;
        if (remaining <= conversionThreshold) {
            next.value = 0.0f;
            next.type = Oxide;
        } else {
            next.value = remaining;
        }
    }

    // The fixed-step update of the whole lattice, x outer and y inner; then the
    // clock advances by one time step and the step ends.
    void advanceFixedStep();

    float rate;
    float growthRate;
    float vtsLateralFactor;
    float elapsedTime;
    float timeStep;
    float cellSize;
    float lateralSpeedup;
};

} // namespace FilmDeposition
} // namespace Automata
