#pragma once

#include <utility>

#include "automaton.h"
#include "../Persistence/archiver.h"

namespace Automata {

// A width x height x depth volume with a current and a next buffer. Voxel
// (x, y, z) is element (x * height + y) * depth + z: z runs fastest.
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
        delete[] cells;
        delete[] nextCells;
    }

    Automaton3D(const Automaton3D&) = delete;
    Automaton3D& operator=(const Automaton3D&) = delete;

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

    long long getSiteCount() const override
    {
        return static_cast<long long>(width) * height * depth;
    }

    int index(int x, int y, int z) const { return (x * height + y) * depth + z; }

protected:
    std::size_t cellCount() const { return static_cast<std::size_t>(width) * height * depth; }
    void swapCells() { std::swap(cells, nextCells); }

    int width;
    int height;
    int depth;
    Painter* painter = nullptr;
    Persistence::Archiver* archiver = nullptr;
    bool saveAll = false;
    int saveInterval = 1;
    T* cells;
    T* nextCells;
};

} // namespace Automata
