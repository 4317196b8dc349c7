#include "combinedetchingoxidation.h"

#include <cmath>

#include "particlefiles.h"

namespace Automata::NanoTubes {

namespace {

const char* const source = "Automata/NanoTubes/combinedetchingoxidation CombinedEtchingOxidation";

// Particles per reaction of each species.
constexpr std::uint32_t consumed[2] = {2, 6};

} // namespace

CombinedEtchingOxidation::CombinedEtchingOxidation(int width, int height, const int* codes,
                                                   const Parameters& parameters)
    : ParticleLattice<CombinedCell>(width, height, codes, parameters)
{
    for (std::size_t i = 0; i < cellCount(); ++i) {
        CombinedCell& cell = cells[i];
        cell.atoms[0] = cell.phase == Ti ? atomsPerCell : 0;
        cell.atoms[1] = cell.phase == TiOxide ? atomsPerCell : 0;
        nextCells[i] = cell;
    }
}

CombinedEtchingOxidation::CombinedEtchingOxidation(const ParticleResults::Data& data)
    : ParticleLattice<CombinedCell>(data, fileLayout(), false)
{
    ParticleRules::EngineDraws draws(engine(0));
    for (std::size_t i = 0; i < cellCount(); ++i) {
        CombinedCell& cell = cells[i];
        cell.phase = data.grids[0][i];
        cell.atoms[0] = data.grids[3][2 * i];
        cell.atoms[1] = data.grids[3][2 * i + 1];
        const ParticleRules::Shares shares = ParticleRules::Shares::even(params.stayOf(cell.phase));
        for (int s = 0; s < 2; ++s)
            ParticleRules::split(draws, data.grids[1 + s][i], shares, cell.out[s], source);
        nextCells[i] = cell;
    }
}

const float* CombinedEtchingOxidation::getColor(const CombinedCell& cell)
{
    // Ti holding oxide units is drawn as the oxide that covers it.
    return phaseColorOf(cell.phase == Ti && cell.atoms[1] > 0 ? InertOxide : cell.phase);
}

const ParticleResults::Layout& CombinedEtchingOxidation::fileLayout()
{
    using Kind = ParticleResults::Kind;
    static const ParticleResults::Layout layout = ParticleFiles::layoutWith(
        {{"Boundary oxygen concentration", 1, Kind::Real}, {"Boundary fluorine concentration", 1, Kind::Real}}, true,
        {1, 1, 1, 2});
    return layout;
}

ParticleResults::Data CombinedEtchingOxidation::readResults(const QByteArray& bytes)
{
    return ParticleFiles::read(bytes, fileLayout(), 2);
}

void CombinedEtchingOxidation::gatherRange(std::size_t begin, std::size_t end, int k)
{
    ParticleRules::Engine& e = engine(k);
    ParticleRules::EngineDraws draws(e);
    const auto oxygen = [](const CombinedCell& c) { return c.out[Oxygen]; };
    const auto fluorine = [](const CombinedCell& c) { return c.out[Fluorine]; };
    for (std::size_t i = begin; i < end; ++i) {
        const int x = static_cast<int>(i / height);
        const int y = static_cast<int>(i % height);
        const CombinedCell& p = cells[i];
        CombinedCell& next = nextCells[i];
        std::uint64_t n[2] = {
            ParticleRules::arrivals(cells, width, height, x, y, sides, oxygen, reservoirs[Oxygen], e),
            ParticleRules::arrivals(cells, width, height, x, y, sides, fluorine, reservoirs[Fluorine], e)};
        raiseLargest(k, n[0] + n[1]);
        // The next cell starts as this one; each species' reaction changes it.
        next.phase = p.phase;
        next.atoms[0] = p.atoms[0];
        next.atoms[1] = p.atoms[1];
        std::uint32_t units = p.atoms[1];
        if (n[Oxygen] > 0 && p.phase == Ti) {
            std::uint32_t m = p.atoms[0];
            ParticleRules::react(draws, n[Oxygen], m, params.reactionProbability, consumed[Oxygen]);
            units += p.atoms[0] - m;
            next.atoms[0] = m;
            next.atoms[1] = units;
            next.phase = m > 0 ? Ti : units > 0 ? TiOxide : Electrolyte;
        }
        if (n[Fluorine] > 0) {
            if (p.phase == Ti || p.phase == TiOxide) {
                std::uint32_t m = units;
                ParticleRules::react(draws, n[Fluorine], m, params.reactionProbability, consumed[Fluorine]);
                next.atoms[1] = m;
                if (m == 0 && next.atoms[0] == 0)
                    next.phase = Electrolyte;
                else if (p.phase == TiOxide)
                    next.phase = TiOxide;
            } else if (p.phase == Electrolyte) {
                next.phase = Electrolyte;
                next.atoms[0] = next.atoms[1] = 0;
            }
        }
        const ParticleRules::Shares shares = ParticleRules::Shares::even(params.stayOf(p.phase));
        for (int s = 0; s < 2; ++s) {
            if (n[s] > 0)
                ParticleRules::split(draws, n[s], shares, next.out[s], source);
            else
                std::fill(next.out[s], next.out[s] + 5, 0u);
        }
    }
}

void CombinedEtchingOxidation::measure()
{
    // Per column: from the highest oxide cell down to the highest Ti cell
    // below it (-1 when there is none); 0 in a column without oxide.
    long long sum = 0;
    for (int x = 0; x < width; ++x) {
        const CombinedCell* column = cells + static_cast<std::size_t>(x) * height;
        int oxide = height - 1;
        while (oxide >= 0 && column[oxide].phase != TiOxide)
            --oxide;
        if (oxide < 0)
            continue;
        int ti = oxide - 1;
        while (ti >= 0 && column[ti].phase != Ti)
            --ti;
        sum += oxide - ti;
    }
    const float mean = static_cast<float>(static_cast<double>(sum) / width);
    if (mean > record)
        recordThickness(mean * params.cellSize, static_cast<int>(std::floor(mean)));
}

std::uint32_t CombinedEtchingOxidation::gridValue(int g, std::size_t i, int j) const
{
    const CombinedCell& cell = cells[i];
    if (g == 0)
        return cell.phase;
    if (g <= 2)
        return cell.total(g - 1);
    return cell.atoms[j];
}

} // namespace Automata::NanoTubes
