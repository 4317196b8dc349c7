#pragma once

#include <utility>

#include "automaton.h"
#include "colorplanes.h"
#include "../Persistence/archiver.h"

namespace Automata {

// A width x height lattice with a current and a next buffer. Cell (x, y) is
// element x * height + y: a column is contiguous.
template <typename T>
class Automaton2D : public Automaton {
public:
    Automaton2D(int width, int height)
        : width(width), height(height),
          cells(new T[static_cast<std::size_t>(width) * height]),
          nextCells(new T[static_cast<std::size_t>(width) * height])
    {
    }

    ~Automaton2D() override
    {
        delete[] cells;
        delete[] nextCells;
    }

    Automaton2D(const Automaton2D&) = delete;
    Automaton2D& operator=(const Automaton2D&) = delete;

    void setSaveAll(bool saveAll, int interval) override
    {
        this->saveAll = saveAll;
        saveInterval = interval;
    }

    Painter* getPainter() override { return painter; }

    virtual int getWidth() { return width; }
    virtual int getHeight() { return height; }
    virtual T* getCells() { return cells; }
    virtual const float* getColor(const T& cell)
    {
        (void)cell;
        return nullptr;
    }

    long long getSiteCount() const override { return static_cast<long long>(width) * height; }

    int index(int x, int y) const { return x * height + y; }

protected:
    std::size_t cellCount() const { return static_cast<std::size_t>(width) * height; }

    // Makes the next buffer current; the old current buffer becomes scratch.
    void swapCells() { std::swap(cells, nextCells); }

    // The current state as three byte planes coloured by getColor.
    ColorPlanes colorPlanes()
    {
        ColorPlanes planes;
        planes.fill(cells, cellCount(), [this](const T& cell) { return getColor(cell); });
        return planes;
    }

    // Hands the current state, coloured by getColor, to the archiver's single save.
    void saveImage()
    {
        if (!archiver)
            return;
        const ColorPlanes planes = colorPlanes();
        archiver->save(planes.red(), planes.green(), planes.blue(), width, height);
    }

    // Hands the current state to the archiver's numbered series.
    void saveStepImage()
    {
        if (!archiver)
            return;
        const ColorPlanes planes = colorPlanes();
        archiver->saveStep(planes.red(), planes.green(), planes.blue(), width, height);
    }

    // The usual end of a step: the series picture while Save All is on.
    void saveStepIfEnabled()
    {
        if (saveAll)
            saveStepImage();
    }

    int width;
    int height;
    Painter* painter = nullptr;
    Persistence::Archiver* archiver = nullptr;
    bool saveAll = false;
    int saveInterval = 1;
    int currentStep = 0;
    T* cells;
    T* nextCells;
};

} // namespace Automata
