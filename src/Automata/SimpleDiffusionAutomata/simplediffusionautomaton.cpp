#include "simplediffusionautomaton.h"

#include "../../Persistence/automatonarchiver.h"
#include "../random.h"
#include "simplediffusionautomatonpainter.h"

namespace Automata {
namespace SimpleDiffusionAutomata {

SimpleDiffusionAutomaton::SimpleDiffusionAutomaton(std::uint32_t size, const Particles* right,
                                                   const Particles* left)
    : size(size), rightMovers(right, right + size), leftMovers(left, left + size),
      nextRightMovers(size, NoParticle), nextLeftMovers(size, NoParticle)
{
    painter = new SimpleDiffusionAutomatonPainter(this);
    archiver = new Persistence::AutomatonArchiver;
}

SimpleDiffusionAutomaton::~SimpleDiffusionAutomaton()
{
    delete archiver;
    delete painter;
}

void SimpleDiffusionAutomaton::step()
{
    advance();
    if (saveAll)
        writeImage(true);
}

void SimpleDiffusionAutomaton::advance()
{
    // One draw per site and step, whether or not the site holds anything, so
    // the random sequence does not depend on the particles.
    const Particles* right = rightMovers.data();
    const Particles* left = leftMovers.data();
    Particles* nextRight = nextRightMovers.data();
    Particles* nextLeft = nextLeftMovers.data();
    const double probability = reversalProbability;
    for (std::uint32_t i = 0; i < size; ++i) {
        const bool swap = probability > Random::draw() / static_cast<double>(Random::RandMax);
        const Particles toRight = swap ? left[i] : right[i];
        const Particles toLeft = swap ? right[i] : left[i];
        if (i + 1 < size)
            nextRight[i + 1] = toRight;
        if (i >= 1)
            nextLeft[i - 1] = toLeft;
    }
    // Nothing enters the row from outside.
    if (size > 0) {
        nextRight[0] = NoParticle;
        nextLeft[size - 1] = NoParticle;
    }
    rightMovers.swap(nextRightMovers);
    leftMovers.swap(nextLeftMovers);
}

void SimpleDiffusionAutomaton::save()
{
    writeImage(false);
}

void SimpleDiffusionAutomaton::setSaveAll(bool saveAll, int)
{
    this->saveAll = saveAll;
}

Painter* SimpleDiffusionAutomaton::getPainter()
{
    return painter;
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

void SimpleDiffusionAutomaton::writeImage(bool series)
{
    std::vector<unsigned char> red(size), green(size), blue(size);
    exportImage(red.data(), green.data(), blue.data());
    const int width = static_cast<int>(size);
    if (series)
        archiver->saveStep(red.data(), green.data(), blue.data(), width, 1);
    else
        archiver->save(red.data(), green.data(), blue.data(), width, 1);
}

} // namespace SimpleDiffusionAutomata
} // namespace Automata
