#pragma once

#include <cstddef>
#include <utility>

#include "automaton.h"
#include "colorplanes.h"
#include "painter.h"
#include "../Persistence/archiver.h"

namespace Automata {

// A width x height x depth volume with a current and a next buffer. Voxel
// (x, y, z) is element (x * height + y) * depth + z: z runs fastest.
//
// As with Automaton2D, the volume releases the painter and archiver the
// concrete model creates; the model's step() ends with finishStep() and its
// save() calls saveImage().
template <typename T>
class Automaton3D : public Automaton {
public:
    Automaton3D(int width, int height, int depth)
        : width(width), height(height), depth(depth),
          cells(new T[static_cast<std::size_t>(width) * height * depth]),
          nextCells(new T[static_cast<std::size_t>(width) * height * depth])
    {
    }

    ~Automaton3D() override
    {
        delete painter;
        delete archiver;
        delete[] cells;
        delete[] nextCells;
    }

    Automaton3D(const Automaton3D&) = delete;
    Automaton3D& operator=(const Automaton3D&) = delete;

    // While Save All is on every step is saved; the interval is only stored.
    void setSaveAll(bool saveAll, int interval) override
    {
        this->saveAll = saveAll;
        saveInterval = interval;
    }

    Painter* getPainter() override { return painter; }

    virtual int getWidth() { return width; }
    virtual int getHeight() { return height; }
    virtual int getDepth() { return depth; }
    virtual T* getCells() { return cells; }
    virtual const float* getColor(const T& cell)
    {
        (void)cell;
        return nullptr;
    }

    // Writes the picture of the current state into three planes of
    // width x depth bytes, element x * depth + row: the front face (y = 0) of
    // the volume seen from the side, its top (z = depth - 1) in row 0. Each
    // voxel is drawn in its getColor; a model whose saved pictures show
    // something else overrides this alone.
    virtual void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue)
    {
        // A volume without a front face leaves the picture black.
        if (height <= 0)
            return;
        for (int x = 0; x < width; ++x)
            for (int z = 0; z < depth; ++z)
                ColorPlanes::put(red, green, blue, static_cast<std::size_t>(x) * depth + (depth - 1 - z),
                                 getColor(cells[index(x, 0, z)]));
    }

    long long getSiteCount() const override
    {
        return static_cast<long long>(width) * height * depth;
    }

    int index(int x, int y, int z) const { return (x * height + y) * depth + z; }

protected:
    std::size_t cellCount() const { return static_cast<std::size_t>(width) * height * depth; }

    // The end of every step: the next buffer becomes current and the old one
    // scratch for the next step, and while Save All is on the new state goes
    // to the archiver's numbered series.
    void finishStep()
    {
        std::swap(cells, nextCells);
        if (saveAll)
            writePicture(true);
    }

    // Hands the current state to the archiver's single save; nothing without an archiver.
    void saveImage() { writePicture(false); }

    int width;
    int height;
    int depth;
    Painter* painter = nullptr;
    Persistence::Archiver* archiver = nullptr;
    bool saveAll = false;
    int saveInterval = 1;
    T* cells;
    T* nextCells;

private:
    void writePicture(bool series) { ColorPlanes::write(archiver, series, width, depth, *this); }
};

} // namespace Automata
