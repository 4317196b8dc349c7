#include "nanotubeoxidationautomaton.h"

#include <cmath>

#include "particlefiles.h"

namespace Automata::NanoTubes {

namespace {

const char* const source = "Automata/NanoTubes/nanotubeoxidationautomaton";

} // namespace

NanotubeOxidationAutomaton::NanotubeOxidationAutomaton(int width, int height, const int* codes,
                                                       const Parameters& parameters)
    : ParticleLattice<ExpTiCell>(width, height, codes, parameters)
{
    giveAtoms();
}

NanotubeOxidationAutomaton::NanotubeOxidationAutomaton(const ParticleResults::Data& data)
    : ParticleLattice<ExpTiCell>(data, fileLayout(), true)
{
    const Parameters& p = params;
    restoreCells(data, [&p](std::uint32_t phase) { return ParticleRules::Shares::even(p.stayOf(phase)); }, source);
}

const float* NanotubeOxidationAutomaton::getColor(const ExpTiCell& cell)
{
    return phaseColorOf(cell.phase);
}

const ParticleResults::Layout& NanotubeOxidationAutomaton::fileLayout()
{
    static const ParticleResults::Layout layout =
        ParticleFiles::layoutWith({{"Boundary concentration", 1, ParticleResults::Kind::Real}}, false, {1, 1, 1});
    return layout;
}

ParticleResults::Data NanotubeOxidationAutomaton::readResults(const QByteArray& bytes)
{
    return ParticleFiles::read(bytes, fileLayout(), 1);
}

void NanotubeOxidationAutomaton::gatherRange(std::size_t begin, std::size_t end, int k)
{
    const Parameters& p = params;
    oxidise(
        begin, end, k, [&p](std::uint32_t phase) { return ParticleRules::Shares::even(p.stayOf(phase)); },
        [](ExpTiCell&) {}, source);
}

void NanotubeOxidationAutomaton::measure()
{
    // The oxide below the top of the first column, down to the first Ti cell.
    int count = 0;
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t phase = cells[index(0, y)].phase;
        if (phase == Ti)
            break;
        if (phase == TiOxide && y < height - 1)
            ++count;
    }
    if (count > record)
        recordThickness(count * params.cellSize, count);
}

std::uint32_t NanotubeOxidationAutomaton::gridValue(int g, std::size_t i, int) const
{
    const ExpTiCell& cell = cells[i];
    return g == 0 ? cell.phase : g == 1 ? cell.total() : cell.atoms;
}

} // namespace Automata::NanoTubes
