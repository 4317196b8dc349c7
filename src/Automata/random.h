#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace Automata {
namespace Random {

// Largest value of draw(); probabilities are tested as draw() / 32767.0.
constexpr int RandMax = 32767;

// The process-wide generator, for models that draw on the GUI thread:
// whole numbers 0 .. 32767 from the step x <- x * 214013 + 2531011.
int draw();

// The next count draws of the process-wide generator, the same numbers as
// count calls of draw(), for loops that draw once per site.
void drawInto(int* values, std::size_t count);

// lo + floor(draw() / 32767.0 * (hi - lo)): hi itself comes only when draw() is 32767.
int rangedInt(int lo, int hi);

// A draw as a probability in [0, 1].
inline double uniform() { return draw() / static_cast<double>(RandMax); }

// Seeds the process-wide generator and records the seed actually used. With a
// seed override in force the requested value (0, the time, anything) is
// replaced by a value derived from the override and the number of seeding
// calls made so far, so every model of a run is reproducible and distinct.
std::uint32_t seed(std::uint32_t requested);

// The seed recorded by the last call of seed().
std::uint32_t recordedSeed();

// A seed for a model's own engines or keyed streams (Mersenne Twister,
// per-worker streams): the requested value, or one derived from the override
// as seed() does. Does not touch the process-wide generator.
std::uint64_t seedValue(std::uint64_t requested);

// A seed from the clock, for models that seed themselves with the time.
std::uint32_t timeSeed();

// Puts a seed override in force. It also starts the process-wide generator
// from a value derived from the override, so models that never seed still
// depend on it; this is not a seeding call and leaves the derived seeds alone.
void setSeedOverride(std::uint64_t overrideSeed);
void clearSeedOverride();

// floor(v) as an int: unlike a cast, it rounds down also when hi < lo makes
// the product negative. Cheaper than std::floor in per-cell loops.
inline int floorToInt(double v)
{
    const int truncated = static_cast<int>(v);
    return truncated - (v < truncated ? 1 : 0);
}

// Mixes a key of several words into one well-spread 64-bit value.
std::uint64_t mix(std::initializer_list<std::uint64_t> key);

// An independent 15-bit stream for work on worker threads, keyed by what the
// work is (seed, member, step, column ...) and not by the thread doing it, so
// results do not depend on how work is split.
class Stream {
public:
    explicit Stream(std::initializer_list<std::uint64_t> key)
        : state(static_cast<std::uint32_t>(mix(key)))
    {
    }

    int draw()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }

    double uniform() { return draw() / static_cast<double>(RandMax); }

    int rangedInt(int lo, int hi) { return lo + floorToInt(uniform() * (hi - lo)); }

private:
    std::uint32_t state;
};

} // namespace Random
} // namespace Automata
