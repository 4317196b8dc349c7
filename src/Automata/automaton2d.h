#pragma once

#include <cstddef>
#include <utility>

#include "automaton.h"
#include "colorplanes.h"
#include "painter.h"
#include "../Persistence/archiver.h"

namespace Automata {

// A width x height lattice with a current and a next buffer. Cell (x, y) is
// element x * height + y: a column is contiguous.
//
// A concrete model brings its rule, its colours and, in its constructor, its
// painter and (when it saves pictures) its archiver; the lattice releases both
// with the model. Its step() computes nextCells from cells and then calls
// finishStep(); its save() calls saveImage().
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
        delete painter;
        delete archiver;
        delete[] cells;
        delete[] nextCells;
    }

    Automaton2D(const Automaton2D&) = delete;
    Automaton2D& operator=(const Automaton2D&) = delete;

    // While Save All is on every step is saved; the interval is only stored.
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

    // Writes the picture of the current state into three planes of
    // width x height bytes in lattice order. Each cell is drawn in its getColor;
    // a model whose saved pictures use other colours overrides this alone.
    virtual void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue)
    {
        const std::size_t count = cellCount();
        for (std::size_t i = 0; i < count; ++i)
            ColorPlanes::put(red, green, blue, i, getColor(cells[i]));
    }

    long long getSiteCount() const override { return static_cast<long long>(width) * height; }

    int index(int x, int y) const { return x * height + y; }

protected:
    std::size_t cellCount() const { return static_cast<std::size_t>(width) * height; }

    // The end of every step: the next buffer becomes current and the old one
    // scratch for the next step, the step is counted, and while Save All is on
    // the new state goes to the archiver's numbered series.
    void finishStep()
    {
        std::swap(cells, nextCells);
        ++currentStep;
        if (saveAll)
            writePicture(true);
    }

    // Hands the current state to the archiver's single save; nothing without an archiver.
    void saveImage() { writePicture(false); }

    int width;
    int height;
    Painter* painter = nullptr;
    Persistence::Archiver* archiver = nullptr;
    bool saveAll = false;
    int saveInterval = 1;
    // Steps finished since construction.
    int currentStep = 0;
    T* cells;
    T* nextCells;

private:
    void writePicture(bool series) { ColorPlanes::write(archiver, series, width, height, *this); }
};

} // namespace Automata
