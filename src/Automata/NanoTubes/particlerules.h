#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include <boost/random/binomial_distribution.hpp>
#include <boost/random/mersenne_twister.hpp>
#include <boost/random/normal_distribution.hpp>
#include <boost/random/poisson_distribution.hpp>

#include "nanotubelog.h"

namespace Automata::NanoTubes {

// The particle-count machinery of the nanotube models: a cell holds, per
// species, five counts of particles that leave it in the next step (staying,
// north, south, east, west); a step gathers what arrives at every cell,
// lets it react, and splits the survivors again.
namespace ParticleRules {

using Engine = boost::random::mt19937;

// Boundary codes of a lattice side, as the dialogs and result files give them.
enum Side : std::uint32_t { Periodic = 0, Constant = 1, Reflective = 2 };
enum Direction { Stay = 0, North = 1, South = 2, East = 3, West = 4 };

// The largest particle or atom count a cell may hold in a file.
constexpr std::uint32_t maxCount = 100000000;

// Draws from a worker's own Mersenne Twister: uniforms in [0, 1), so that a
// probability of 1 always holds and 0 never, and normal deviates.
class EngineDraws {
public:
    explicit EngineDraws(Engine& engine) : engine(engine) {}
    double uniform() { return engine() / 4294967296.0; }
    double normal(double mean, double deviation)
    {
        return boost::random::normal_distribution<double>(mean, deviation)(engine);
    }
    Engine& source() { return engine; }

private:
    Engine& engine;
};

// The probabilities of staying and of each move of one cell; they add up to 1.
struct Shares {
    double stay, north, south, east, west;

    // The phase's stay probability p, the rest spread evenly over the moves.
    static Shares even(double p)
    {
        const double q = (1.0 - p) / 4.0;
        return {p, q, q, q, q};
    }
};

// A rounded normal deviate (halves upwards), drawn again until it lies in
// 0 .. limit.
template <typename Draws>
std::uint64_t normalShare(Draws& draws, double mean, double deviation, std::uint64_t limit)
{
    if (!(deviation > 0.0)) {
        const double rounded = std::floor(mean + 0.5);
        return rounded <= 0.0 ? 0 : std::min<std::uint64_t>(limit, static_cast<std::uint64_t>(rounded));
    }
    for (;;) {
        const double v = std::floor(draws.normal(mean, deviation) + 0.5);
        if (v >= 0.0 && v <= static_cast<double>(limit))
            return static_cast<std::uint64_t>(v);
    }
}

// Splits n of `count` particles between two outlets, the first taken with
// probability share: one draw each up to a variance of 10, a normal share above.
template <typename Draws>
std::uint64_t binarySplit(Draws& draws, std::uint64_t count, double share)
{
    const double variance = count * share * (1.0 - share);
    if (variance > 10.0)
        return normalShare(draws, count * share, std::sqrt(variance), count);
    std::uint64_t first = 0;
    for (std::uint64_t i = 0; i < count; ++i)
        first += draws.uniform() < share ? 1 : 0;
    return first;
}

// Particles one by one, by cumulative bounds over the five outlets (the
// outlets from `from` on; the shares need not add up to 1).
template <typename Draws>
void drawEach(Draws& draws, std::uint64_t count, const double* shares, int from, std::uint64_t* out)
{
    double bounds[5];
    double sum = 0.0;
    for (int d = from; d < 5; ++d)
        sum += shares[d];
    double running = 0.0;
    for (int d = from; d < 5; ++d) {
        running += shares[d];
        bounds[d] = running / sum;
    }
    for (std::uint64_t i = 0; i < count; ++i) {
        const double u = draws.uniform();
        int d = from;
        while (d < 4 && !(u < bounds[d]))
            ++d;
        ++out[d];
    }
}

// Splits n particles by the shares into out (staying, N, S, E, W): one draw
// each up to 200 particles; above, the stayers, then the vertical movers,
// then south of them and east of the rest as normal shares where their
// variance exceeds 10. `source` names the model in the consistency message.
template <typename Draws>
void split(Draws& draws, std::uint64_t n, const Shares& s, std::uint32_t* out, const char* source)
{
    std::uint64_t o[5] = {0, 0, 0, 0, 0};
    const double shares[5] = {s.stay, s.north, s.south, s.east, s.west};
    const double moving = s.north + s.south + s.east + s.west;
    if (n <= 200) {
        if (moving <= 0.0)
            o[Stay] = n;
        else
            drawEach(draws, n, shares, Stay, o);
    } else {
        o[Stay] = moving <= 0.0 ? n : normalShare(draws, n * s.stay, std::sqrt(n * s.stay * (1.0 - s.stay)), n);
        const std::uint64_t rest = n - o[Stay];
        const double vertical = (s.north + s.south) / moving;
        if (rest >= 1 && rest * vertical * (1.0 - vertical) <= 10.0) {
            drawEach(draws, rest, shares, North, o);
        } else if (rest >= 1) {
            const std::uint64_t v = normalShare(draws, rest * vertical,
                                                std::sqrt(rest * vertical * (1.0 - vertical)), rest);
            const std::uint64_t h = rest - v;
            if (v >= 1) {
                o[South] = binarySplit(draws, v, s.south / (s.north + s.south));
                o[North] = v - o[South];
            }
            if (h >= 1) {
                o[East] = binarySplit(draws, h, s.east / (s.east + s.west));
                o[West] = h - o[East];
            }
        }
    }
    const std::uint64_t sum = o[0] + o[1] + o[2] + o[3] + o[4];
    if (sum != n) {
        qCDebug(lcNanotubes).nospace()
            << (sum < n ? "Particles lost. " : "Particles created. ") << sum << " (" << source << ")\n"
            << "n0 " << o[0] << " N " << o[1] << " S " << o[2] << " E " << o[3] << " W " << o[4] << " In " << n;
    }
    for (int d = 0; d < 5; ++d)
        out[d] = static_cast<std::uint32_t>(o[d]);
}

// n particles meet m atoms: each pair of particles with each atom is one
// trial that reacts with probability p, consuming `consumes` particles and one
// atom, while enough of both are left. The trials are not drawn one by one:
// the gap to the next success is geometric. Returns the reactions.
template <typename Draws>
std::uint32_t react(Draws& draws, std::uint64_t& n, std::uint32_t& m, double p, std::uint32_t consumes)
{
    if (n < 2 || n < consumes || m == 0 || !(p > 0.0))
        return 0;
    const std::uint64_t pairs = n * (n - 1) / 2;
    const std::uint64_t trials =
        m > std::numeric_limits<std::uint64_t>::max() / pairs ? std::numeric_limits<std::uint64_t>::max()
                                                               : pairs * m;
    const double logFail = p >= 1.0 ? 0.0 : std::log1p(-p);
    std::uint64_t made = 0;
    std::uint32_t reactions = 0;
    while (n >= consumes && m >= 1) {
        double gap = 0.0;
        if (p < 1.0)
            gap = std::floor(std::log1p(-draws.uniform()) / logFail);
        if (!(gap < static_cast<double>(trials - made)))
            break;
        made += static_cast<std::uint64_t>(gap) + 1;
        n -= consumes;
        m -= 1;
        ++reactions;
    }
    return reactions;
}

// The particles a constant side injects into a cell each step, from a
// reservoir of the given density whose particles stay with probability s.
class Reservoir {
public:
    void set(double density, double stay, double cellSize)
    {
        q = (1.0 - stay) / 4.0;
        lambda = density * cellSize * cellSize * cellSize;
        mean = lambda * q;
        deviation = std::sqrt(mean * (1.0 - q));
    }

    std::uint32_t draw(Engine& engine) const
    {
        if (!(lambda > 0.0) || !(q > 0.0))
            return 0;
        if (deviation > 10.0) {
            boost::random::normal_distribution<double> normal(mean, deviation);
            for (;;) {
                const double v = std::round(normal(engine));
                if (v >= 0.0)
                    return static_cast<std::uint32_t>(v);
            }
        }
        const std::uint32_t n = boost::random::poisson_distribution<std::uint32_t, double>(lambda)(engine);
        if (n > 200)
            return static_cast<std::uint32_t>(
                boost::random::binomial_distribution<int, double>(static_cast<int>(n), q)(engine));
        EngineDraws draws(engine);
        std::uint32_t in = 0;
        for (std::uint32_t i = 0; i < n; ++i)
            in += q > draws.uniform() ? 1 : 0;
        return in;
    }

    double meanInflow() const { return mean; }
    double inflowDeviation() const { return deviation; }

private:
    double q = 0.0, lambda = 0.0, mean = 0.0, deviation = 0.0;
};

// The sides in force: a periodic side facing a non-periodic one has no
// partner to pass particles to and keeps them, as a reflective side does.
inline std::array<std::uint32_t, 4> effectiveSides(const std::array<std::uint32_t, 4>& sides)
{
    std::array<std::uint32_t, 4> in = sides;
    for (int pair = 0; pair < 4; pair += 2) {
        if (sides[pair] == Periodic && sides[pair + 1] != Periodic)
            in[pair] = Reflective;
        if (sides[pair + 1] == Periodic && sides[pair] != Periodic)
            in[pair + 1] = Reflective;
    }
    return in;
}

// The particles arriving at (x, y) of a width x height lattice, with its own
// stayers: the neighbours' moves towards it, or at a side (top, bottom, left,
// right) the opposite edge's, its own outward moves turned back, or a
// reservoir draw. out(cell) gives a cell's five counts of one species.
template <typename Cell, typename Out>
std::uint64_t arrivals(const Cell* cells, int width, int height, int x, int y,
                       const std::array<std::uint32_t, 4>& sides, Out out, const Reservoir& reservoir,
                       Engine& engine)
{
    const Cell* column = cells + static_cast<std::size_t>(x) * height;
    const std::uint32_t* own = out(column[y]);
    std::uint64_t n = own[Stay];
    const auto edge = [&](std::uint32_t side, const Cell& opposite, int towards, int turned) -> std::uint64_t {
        if (side == Periodic)
            return out(opposite)[towards];
        if (side == Reflective)
            return own[turned];
        return reservoir.draw(engine);
    };
    n += y < height - 1 ? out(column[y + 1])[South] : edge(sides[0], column[0], South, North);
    n += y > 0 ? out(column[y - 1])[North] : edge(sides[1], column[height - 1], North, South);
    const Cell* leftColumn = x > 0 ? column - height : cells + static_cast<std::size_t>(width - 1) * height;
    const Cell* rightColumn = x < width - 1 ? column + height : cells;
    n += x > 0 ? out(leftColumn[y])[East] : edge(sides[2], leftColumn[y], East, West);
    n += x < width - 1 ? out(rightColumn[y])[West] : edge(sides[3], rightColumn[y], West, East);
    return n;
}

} // namespace ParticleRules
} // namespace Automata::NanoTubes
