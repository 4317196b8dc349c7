#pragma once

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "Automata/NanoTubes/particlefiles.h"
#include "Automata/random.h"

// Small titanium lattices for the particle models' tests, drawn as text:
// one string per row from the top, '.' electrolyte, 'T' Ti, 'O' Ti oxide,
// 'B' inert oxide.
struct Lattice {
    explicit Lattice(const std::vector<std::string>& rows)
        : width(static_cast<int>(rows.at(0).size())), height(static_cast<int>(rows.size())),
          codes(static_cast<std::size_t>(width) * height)
    {
        for (int row = 0; row < height; ++row)
            for (int x = 0; x < width; ++x) {
                const char c = rows[row].at(x);
                codes[at(x, height - 1 - row)] = c == 'T' ? 1 : c == 'O' ? 2 : c == 'B' ? 3 : 0;
            }
    }
    std::size_t at(int x, int y) const { return static_cast<std::size_t>(x) * height + y; }

    // The data of a result file of the layout: these phases, every cell
    // holding `particles` of each species and Ti cells `atoms` atoms.
    Automata::NanoTubes::ParticleResults::Data data(const Automata::NanoTubes::ParticleResults::Layout& layout,
                                                    const Automata::NanoTubes::ParticleParameters& parameters,
                                                    std::uint32_t particles, std::uint32_t atoms) const
    {
        Automata::NanoTubes::ParticleResults::Data d;
        d.width = width;
        d.height = height;
        d.parameters = Automata::NanoTubes::ParticleFiles::linesOf(parameters, 0, layout);
        for (int perCell : layout.grids) {
            std::vector<std::uint32_t> grid(codes.size() * perCell, particles);
            d.grids.push_back(grid);
        }
        for (std::size_t i = 0; i < codes.size(); ++i) {
            d.grids[0][i] = static_cast<std::uint32_t>(codes[i]);
            d.grids.back()[i * layout.grids.back()] = codes[i] == 1 ? atoms : 0;
            if (layout.grids.back() == 2)
                d.grids.back()[2 * i + 1] = codes[i] == 2 ? atoms : 0;
        }
        return d;
    }

    int width;
    int height;
    std::vector<int> codes;
};

// Every random source seeded from one value for the scope, so two models
// built in turn draw the same numbers.
struct SeedScope {
    explicit SeedScope(std::uint64_t seed) { Automata::Random::setSeedOverride(seed); }
    ~SeedScope() { Automata::Random::clearSeedOverride(); }
};

// f summed over a lattice's cells.
template <typename Cell, typename F>
long long sumOver(const Cell* cells, std::size_t count, F f)
{
    return std::accumulate(cells, cells + count, 0LL, [&f](long long sum, const Cell& c) { return sum + f(c); });
}
