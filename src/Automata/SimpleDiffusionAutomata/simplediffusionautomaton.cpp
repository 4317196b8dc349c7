#include "simplediffusionautomaton.h"

#include <algorithm>
#include <cmath>

#include "../../Persistence/automatonarchiver.h"
#include "../colorplanes.h"
#include "../random.h"
#include "simplediffusionautomatonpainter.h"

namespace Automata {
namespace SimpleDiffusionAutomata {

SimpleDiffusionAutomaton::SimpleDiffusionAutomaton(std::uint32_t size, const Particles* right,
                                                   const Particles* left)
    : size(size), rightMovers(right, right + size), leftMovers(left, left + size),
      nextRightMovers(size, NoParticle), nextLeftMovers(size, NoParticle)
{
    painter = std::make_unique<SimpleDiffusionAutomatonPainter>(this);
    archiver = std::make_unique<Persistence::AutomatonArchiver>();
}

void SimpleDiffusionAutomaton::step()
{
    advance();
    if (saveAll)
        writePicture(true);
}

void SimpleDiffusionAutomaton::advance()
{
    // One draw per site and step, whether or not the site holds anything, so
    // the random sequence does not depend on the particles. The draws come in
    // chunks, and the test "probability > draw / 32767" becomes the equivalent
    // "draw < threshold", so the loop has no call or branch per site.
    const int threshold = swapThreshold(reversalProbability);
    const Particles* right = rightMovers.data();
    const Particles* left = leftMovers.data();
    Particles* nextRight = nextRightMovers.data();
    Particles* nextLeft = nextLeftMovers.data();
    constexpr std::uint32_t chunk = 4096;
    int draws[chunk];
    for (std::uint32_t begin = 0; begin < size; begin += chunk) {
        const std::uint32_t count = std::min(chunk, size - begin);
        Random::drawInto(draws, count);
        for (std::uint32_t k = 0; k < count; ++k) {
            const std::uint32_t i = begin + k;
            const std::int32_t swapMask = -static_cast<std::int32_t>(draws[k] < threshold);
            const std::int32_t r = right[i];
            const std::int32_t l = left[i];
            const std::int32_t toRight = (l & swapMask) | (r & ~swapMask);
            const std::int32_t toLeft = (r & swapMask) | (l & ~swapMask);
            // Site 0 sends its left mover and site N - 1 its right mover out of
            // the row; their slots are the unused ends of the next channels.
            if (i + 1 < size)
                nextRight[i + 1] = static_cast<Particles>(toRight);
            if (i >= 1)
                nextLeft[i - 1] = static_cast<Particles>(toLeft);
        }
    }
    // Nothing enters the row from outside.
    if (size > 0) {
        nextRight[0] = NoParticle;
        nextLeft[size - 1] = NoParticle;
    }
    rightMovers.swap(nextRightMovers);
    leftMovers.swap(nextLeftMovers);
}

int SimpleDiffusionAutomaton::swapThreshold(double probability)
{
    const double largest = Random::RandMax;
    if (!(probability > 0.0))
        return 0;
    if (probability > 1.0)
        return Random::RandMax + 1;
    int threshold = static_cast<int>(std::ceil(probability * largest));
    while (threshold > 0 && !(probability > (threshold - 1) / largest))
        --threshold;
    while (threshold <= Random::RandMax && probability > threshold / largest)
        ++threshold;
    return threshold;
}

void SimpleDiffusionAutomaton::save()
{
    writePicture(false);
}

void SimpleDiffusionAutomaton::setSaveAll(bool saveAll, int)
{
    this->saveAll = saveAll;
}

Painter* SimpleDiffusionAutomaton::getPainter()
{
    return painter.get();
}

void SimpleDiffusionAutomaton::exportImage(unsigned char* red, unsigned char* green,
                                           unsigned char* blue)
{
    for (std::uint32_t i = 0; i < size; ++i) {
        const bool movingRight = rightMovers[i] == Particle;
        const bool movingLeft = leftMovers[i] == Particle;
        red[i] = (movingRight || !movingLeft) ? 255 : 0;
        green[i] = (movingLeft || !movingRight) ? 255 : 0;
        blue[i] = (movingRight || movingLeft) ? 0 : 255;
    }
}

void SimpleDiffusionAutomaton::writePicture(bool series)
{
    ColorPlanes::write(archiver.get(), series, static_cast<int>(size), 1, *this);
}

} // namespace SimpleDiffusionAutomata
} // namespace Automata
