#pragma once

#include <vector>

#include <QThreadPool>

#include "Automata/FhpAutomata/fhpcell.h"

namespace FhpTest {

using Automata::FhpAutomata::FhpCell;

// Direction bits, in the order the six channels are named.
constexpr unsigned E = FhpCell::EastBit;
constexpr unsigned W = FhpCell::WestBit;
constexpr unsigned NE = FhpCell::NorthEastBit;
constexpr unsigned NW = FhpCell::NorthWestBit;
constexpr unsigned SE = FhpCell::SouthEastBit;
constexpr unsigned SW = FhpCell::SouthWestBit;

// A width x height initial state built site by site, in lattice order.
class Lattice {
public:
    Lattice(int width, int height) : width(width), height(height), cells(static_cast<std::size_t>(width) * height) {}

    FhpCell& at(int x, int y) { return cells[static_cast<std::size_t>(x) * height + y]; }
    Lattice& particles(int x, int y, unsigned present)
    {
        at(x, y).setParticles(present);
        return *this;
    }
    Lattice& obstacle(int x, int y)
    {
        at(x, y).setObstacle(true);
        return *this;
    }
    Lattice& source(int x, int y, float level)
    {
        at(x, y).setSource(true);
        at(x, y).setSourceLevel(level);
        return *this;
    }
    Lattice& substrate(int x, int y)
    {
        at(x, y).setSubstrate(true);
        return *this;
    }
    const FhpCell* data() const { return cells.data(); }

    int width;
    int height;
    std::vector<FhpCell> cells;
};

inline const FhpCell& cellAt(const FhpCell* cells, int height, int x, int y)
{
    return cells[static_cast<std::size_t>(x) * height + y];
}

inline long long particleTotal(const FhpCell* cells, int count)
{
    long long total = 0;
    for (int i = 0; i < count; ++i)
        total += cells[i].particleCount();
    return total;
}

// Sets the global pool's size for one scope.
class PoolSize {
public:
    explicit PoolSize(int threads) : previous(QThreadPool::globalInstance()->maxThreadCount())
    {
        QThreadPool::globalInstance()->setMaxThreadCount(threads);
    }
    ~PoolSize() { QThreadPool::globalInstance()->setMaxThreadCount(previous); }
    PoolSize(const PoolSize&) = delete;
    PoolSize& operator=(const PoolSize&) = delete;

private:
    int previous;
};

} // namespace FhpTest
