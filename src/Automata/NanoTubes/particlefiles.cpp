#include "particlefiles.h"

#include <cmath>
#include <cstring>

namespace Automata::NanoTubes::ParticleFiles {

using Kind = ParticleResults::Kind;

namespace {

using P = ParticleParameters;

// The parameter lines holding one value and the parameter each holds.
const struct Stored {
    const char* label;
    double P::*member;
} stored[] = {{"Ti p", &P::tiStay},
              {"TiOxide p", &P::oxideStay},
              {"Electrolyte p", &P::electrolyteStay},
              {"Cell dimension", &P::cellSize},
              {"Time step", &P::stepDuration},
              {"Boundary p", &P::boundaryStay},
              {"Boundary concentration", &P::boundaryDensity},
              {"Boundary oxygen concentration", &P::boundaryDensity},
              {"Boundary fluorine concentration", &P::fluorineDensity},
              {"Atomic concentration", &P::atomDensity},
              {"Reaction p", &P::reactionProbability},
              {"Electric field", &P::electricField}};

const char* const sidesLabel = "Boundary Conditions";

// The parameter a line of one value holds; null for the sides and the steps.
double P::*memberOf(const char* label)
{
    for (const Stored& line : stored)
        if (std::strcmp(line.label, label) == 0)
            return line.member;
    return nullptr;
}

} // namespace

ParticleResults::Layout layoutWith(std::vector<ParticleResults::Line> densities, bool field, std::vector<int> grids)
{
    ParticleResults::Layout layout;
    layout.lines = {{"Ti p", 1, Kind::Probability},
                    {"TiOxide p", 1, Kind::Probability},
                    {"Electrolyte p", 1, Kind::Probability},
                    {"Cell dimension", 1, Kind::Real},
                    {"Time step", 1, Kind::Real},
                    {"Boundary Conditions", 4, Kind::Side},
                    {"Boundary p", 1, Kind::Probability}};
    for (const auto& d : densities)
        layout.lines.push_back(d);
    layout.lines.push_back({"Atomic concentration", 1, Kind::Real});
    layout.lines.push_back({"Reaction p", 1, Kind::Probability});
    if (field)
        layout.lines.push_back({"Electric field", 1, Kind::Real});
    layout.lines.push_back({"Steps simulated", 1, Kind::Steps});
    layout.grids = std::move(grids);
    return layout;
}

int restoredRecord(const ParticleResults::Data& data, const ParticleResults::Layout& layout, bool wholeCounts)
{
    if (data.thicknesses.empty())
        return -1;
    const double cells = data.thicknesses.back() / parametersOf(data, layout).cellSize;
    return static_cast<int>(wholeCounts ? std::lround(cells) : std::floor(cells + 1e-9));
}

ParticleParameters parametersOf(const ParticleResults::Data& data, const ParticleResults::Layout& layout)
{
    ParticleParameters p;
    // A model without a field line has none.
    p.electricField = 0.0;
    for (std::size_t l = 0; l < layout.lines.size(); ++l) {
        const std::vector<double>& values = data.parameters[l];
        if (double P::*member = memberOf(layout.lines[l].label))
            p.*member = values[0];
        else if (std::strcmp(layout.lines[l].label, sidesLabel) == 0)
            for (int s = 0; s < 4; ++s)
                p.sides[s] = static_cast<std::uint32_t>(values[s]);
    }
    return p;
}

std::vector<std::vector<double>> linesOf(const ParticleParameters& p, int steps, const ParticleResults::Layout& layout)
{
    std::vector<std::vector<double>> lines;
    for (const auto& line : layout.lines) {
        if (double P::*member = memberOf(line.label))
            lines.push_back({p.*member});
        else if (std::strcmp(line.label, sidesLabel) == 0)
            lines.push_back({double(p.sides[0]), double(p.sides[1]), double(p.sides[2]), double(p.sides[3])});
        else
            lines.push_back({double(steps)});
    }
    return lines;
}

ParticleResults::Data read(const QByteArray& bytes, const ParticleResults::Layout& layout, int species)
{
    ParticleResults::Data data = ParticleResults::read(bytes, layout);
    if (!data.ok())
        return data;
    using Field = ParticleParameters::Field;
    const Field field = parametersOf(data, layout).problem(species).field;
    if (field == Field::None)
        return data;
    const double P::*member = field == Field::CellSize       ? &P::cellSize
                              : field == Field::StepDuration ? &P::stepDuration
                              : field == Field::Density      ? &P::boundaryDensity
                              : field == Field::FluorineDensity ? &P::fluorineDensity
                                                                : &P::atomDensity;
    int line = 0;
    for (std::size_t l = 0; l < layout.lines.size() && line == 0; ++l)
        if (memberOf(layout.lines[l].label) == member)
            line = static_cast<int>(l) + 2;
    ParticleResults::Data refused;
    refused.badLine = line;
    return refused;
}

} // namespace Automata::NanoTubes::ParticleFiles
