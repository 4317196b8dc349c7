#include "random.h"

#include <chrono>

namespace Automata {
namespace Random {

namespace {

// The generator and the seed bookkeeping are used from the GUI thread only;
// worker threads draw from keyed Streams.
std::uint32_t generatorState = 1;
std::uint32_t lastSeed = 1;
bool overrideActive = false;
std::uint64_t overrideSeed = 0;
std::uint64_t seedingCalls = 0;

std::uint64_t splitmix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

} // namespace

int draw()
{
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFF);
}

void drawInto(int* values, std::size_t count)
{
    std::uint32_t state = generatorState;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 214013u + 2531011u;
        values[i] = static_cast<int>((state >> 16) & 0x7FFF);
    }
    generatorState = state;
}

int rangedInt(int lo, int hi)
{
    return lo + floorToInt(draw() / static_cast<double>(RandMax) * (hi - lo));
}

std::uint64_t seedValue(std::uint64_t requested)
{
    if (!overrideActive)
        return requested;
    return mix({overrideSeed, seedingCalls++});
}

std::uint32_t seed(std::uint32_t requested)
{
    lastSeed = static_cast<std::uint32_t>(seedValue(requested));
    generatorState = lastSeed;
    return lastSeed;
}

std::uint32_t recordedSeed()
{
    return lastSeed;
}

std::uint32_t timeSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

void setSeedOverride(std::uint64_t seed)
{
    overrideActive = true;
    overrideSeed = seed;
    seedingCalls = 0;
    // Seeding calls key their seeds by their count from 0 up; the start takes
    // a key no count reaches.
    generatorState = static_cast<std::uint32_t>(mix({overrideSeed, ~std::uint64_t(0)}));
}

void clearSeedOverride()
{
    overrideActive = false;
}

std::uint64_t mix(std::initializer_list<std::uint64_t> key)
{
    std::uint64_t h = 0x2545F4914F6CDD1Dull;
    for (std::uint64_t word : key)
        h = splitmix(h ^ splitmix(word));
    return h;
}

} // namespace Random
} // namespace Automata
