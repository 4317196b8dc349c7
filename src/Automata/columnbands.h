#pragma once

#include <utility>
#include <vector>

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "workers.h"

namespace Automata {

// Splits a lattice into bands of whole columns, one per worker, and runs a
// band operation on Qt's global thread pool, joining every task before it
// returns. Bands never share a column, so tasks write disjoint parts of a
// buffer and need no lock.
class ColumnBands {
public:
    using Band = std::pair<int, int>; // columns [first, second)

    // workers bands of width / workers columns; the last band also takes the
    // remainder. Empty bands are dropped, so a lattice narrower than the
    // worker count is streamed by one band holding every column.
    static std::vector<Band> split(int width, int workers)
    {
        std::vector<Band> bands;
        if (workers < 1)
            workers = 1;
        const int k = width / workers;
        for (int i = 0; i < workers; ++i) {
            const int from = i * k;
            const int to = i == workers - 1 ? width : (i + 1) * k;
            if (to > from)
                bands.emplace_back(from, to);
        }
        return bands;
    }

    // The same split made in whole blocks of block columns, so that every
    // block lies inside one band.
    static std::vector<Band> splitBlocks(int width, int block, int workers)
    {
        if (block < 1)
            block = 1;
        const int blocks = (width + block - 1) / block;
        std::vector<Band> bands = split(blocks, workers);
        for (Band& band : bands) {
            band.first *= block;
            band.second = band.second * block < width ? band.second * block : width;
        }
        return bands;
    }

    // Runs operation(from, to) for every band on the global pool and waits.
    // A single band runs on the calling thread.
    template <typename Operation>
    static void run(const std::vector<Band>& bands, Operation operation)
    {
        if (bands.size() == 1) {
            operation(bands.front().first, bands.front().second);
            return;
        }
        std::vector<QFuture<void>> tasks;
        tasks.reserve(bands.size());
        for (const Band& band : bands)
            tasks.push_back(QtConcurrent::run(QThreadPool::globalInstance(),
                                              [&operation, band] {
                                                  operation(band.first, band.second);
                                              }));
        for (QFuture<void>& task : tasks)
            task.waitForFinished();
    }

    // Columns 0 .. width - 1 in one band per worker of the global pool.
    template <typename Operation>
    static void run(int width, Operation operation)
    {
        run(split(width, workerCount()), operation);
    }
};

} // namespace Automata
