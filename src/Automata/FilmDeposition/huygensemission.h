#pragma once

#include <vector>

#include "../columnbands.h"
#include "../workers.h"
#include "filmcell.h"

namespace Automata {
namespace FilmDeposition {

// The parts the Huygens deposition models share, on a volume of width x
// height x depth cells in lattice order, z running fastest. A 2D lattice of
// W x H sites is the volume W x 1 x H: its y is the volume's z, so "up" is
// increasing z in both.
class HuygensEmission {
public:
    // A source and the largest squared distance, in cells, it deposits at;
    // negative when it deposits nothing.
    struct Source {
        int x;
        int y;
        int z;
        long long reach;
    };

    // The largest whole squared distance not above radius² (none for a
    // negative radius), capped at the squared diagonal of the volume so that
    // huge radii neither overflow nor cost more than the volume itself.
    static long long reachOf(double radius, int width, int height, int depth);
    // The same with the cap alone: for a reach computed by the caller.
    static long long capReach(double squared, int width, int height, int depth);

    // The largest h >= 0 with h² <= value (value >= 0).
    static long long floorSqrt(long long value);

    // Turns every cell that is Empty in `current` and lies within its
    // source's reach into Film in `next`. Sources must be sorted by x; the
    // work is split into bands of target columns, so no two tasks write one
    // cell and the result does not depend on the number of workers.
    static void writeDiscs(const FilmCell* current, FilmCell* next, int width, int height,
                           int depth, const std::vector<Source>& sources);

    // Marks as Void every Empty cell not connected through Empty cells (face
    // neighbours) to the top of its column (z = depth - 1). `reached` is
    // scratch space, resized as needed.
    static void markVoids(FilmCell* cells, int width, int height, int depth,
                          std::vector<unsigned char>& reached);

    // Collects sources column band by column band on the workers: find(x,
    // out) appends the sources of column x in order. The result is sorted by
    // x whatever the number of workers.
    template <typename Find>
    static std::vector<Source> collect(int width, Find find);

    // Sets each source's reach with measure(source) on the workers, a share
    // of the list each; measure must only read the lattice.
    template <typename Measure>
    static void measure(std::vector<Source>& sources, Measure measure);
};

template <typename Find>
std::vector<HuygensEmission::Source> HuygensEmission::collect(int width, Find find)
{
    const std::vector<ColumnBands::Band> bands = ColumnBands::split(width, workerCount());
    std::vector<std::vector<Source>> found(bands.size());
    ColumnBands::run(bands, [&](int begin, int end) {
        std::size_t band = 0;
        while (bands[band].first != begin)
            ++band;
        for (int x = begin; x < end; ++x)
            find(x, found[band]);
    });
    std::size_t total = 0;
    for (const auto& part : found)
        total += part.size();
    std::vector<Source> sources;
    sources.reserve(total);
    for (const auto& part : found)
        sources.insert(sources.end(), part.begin(), part.end());
    return sources;
}

template <typename Measure>
void HuygensEmission::measure(std::vector<Source>& sources, Measure measure)
{
    if (sources.empty())
        return;
    Source* list = sources.data();
    ColumnBands::run(ColumnBands::split(static_cast<int>(sources.size()), workerCount()),
                     [=](int begin, int end) {
                         for (int i = begin; i < end; ++i)
                             list[i].reach = measure(list[i]);
                     });
}

} // namespace FilmDeposition
} // namespace Automata
