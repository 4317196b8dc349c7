#include "nanotubeanodization.h"

#include <algorithm>
#include <cmath>

#include "particlefiles.h"

namespace Automata::NanoTubes {

namespace {

const char* const source = "Automata/NanoTubes/nanotubeanodization";

} // namespace

NanotubeAnodization::NanotubeAnodization(int width, int height, const int* codes, const Parameters& parameters)
    : ParticleLattice<TiAnodizationCell>(width, height, codes, parameters)
{
    for (std::uint32_t phase = 0; phase < 4; ++phase)
        shares[phase] = sharesOf(params, phase);
    giveAtoms();
    refreshFields();
}

NanotubeAnodization::NanotubeAnodization(const ParticleResults::Data& data)
    : ParticleLattice<TiAnodizationCell>(data, fileLayout(), false)
{
    for (std::uint32_t phase = 0; phase < 4; ++phase)
        shares[phase] = sharesOf(params, phase);
    const ParticleRules::Shares* byPhase = shares;
    restoreCells(data, [byPhase](std::uint32_t phase) { return byPhase[phase < 4 ? phase : 0]; }, source);
    refreshFields();
}

ParticleRules::Shares NanotubeAnodization::sharesOf(const Parameters& parameters, std::uint32_t phase)
{
    const double p = parameters.stayOf(phase);
    if (phase != TiOxide)
        return ParticleRules::Shares::even(p);
    const double m = 1.0 - p;
    const double d = std::clamp(m * parameters.cellSize * 7.98109 * parameters.electricField, 0.0, m / 2.0);
    return {p, m / 4.0 - d / 2.0, m / 4.0 + d / 2.0, m / 4.0, m / 4.0};
}

const float* NanotubeAnodization::getColor(const TiAnodizationCell& cell)
{
    return phaseColorOf(cell.phase);
}

const ParticleResults::Layout& NanotubeAnodization::fileLayout()
{
    static const ParticleResults::Layout layout =
        ParticleFiles::layoutWith({{"Boundary concentration", 1, ParticleResults::Kind::Real}}, true, {1, 1, 1});
    return layout;
}

ParticleResults::Data NanotubeAnodization::readResults(const QByteArray& bytes)
{
    return ParticleFiles::read(bytes, fileLayout(), 1);
}

void NanotubeAnodization::gatherRange(std::size_t begin, std::size_t end, int k)
{
    const ParticleRules::Shares* byPhase = shares;
    const double field = params.electricField;
    oxidise(
        begin, end, k, [byPhase](std::uint32_t phase) { return byPhase[phase < 4 ? phase : 0]; },
        [field](TiAnodizationCell& cell) {
            cell.field[0] = 0.0;
            cell.field[1] = cell.phase == TiOxide ? field : 0.0;
        },
        source);
}

void NanotubeAnodization::measure()
{
    // The mean run of oxide from the top row down, over the columns.
    long long oxide = 0;
    for (int x = 0; x < width; ++x) {
        const TiAnodizationCell* column = cells + static_cast<std::size_t>(x) * height;
        for (int y = height - 1; y >= 0 && column[y].phase == TiOxide; --y)
            ++oxide;
    }
    const double mean = static_cast<double>(oxide) / width;
    if (mean > record)
        recordThickness(mean * params.cellSize, static_cast<int>(std::floor(mean)));
}

void NanotubeAnodization::refreshFields()
{
    for (std::size_t i = 0; i < cellCount(); ++i) {
        cells[i].field[0] = 0.0;
        cells[i].field[1] = cells[i].phase == TiOxide ? params.electricField : 0.0;
    }
}

std::uint32_t NanotubeAnodization::gridValue(int g, std::size_t i, int) const
{
    const TiAnodizationCell& cell = cells[i];
    return g == 0 ? cell.phase : g == 1 ? cell.total() : cell.atoms;
}

} // namespace Automata::NanoTubes
