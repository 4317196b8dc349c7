#include "particlefiles.h"

#include <cmath>
#include <cstring>

namespace Automata::NanoTubes::ParticleFiles {

using Kind = ParticleResults::Kind;

namespace {

const std::vector<double>* line(const ParticleResults::Data& data, const ParticleResults::Layout& layout,
                                const char* label)
{
    const int at = layout.lineOf(label);
    return at > 0 ? &data.parameters[at - 2] : nullptr;
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
    const auto value = [&](const char* label, double fallback) {
        const std::vector<double>* values = line(data, layout, label);
        return values ? values->front() : fallback;
    };
    p.tiStay = value("Ti p", p.tiStay);
    p.oxideStay = value("TiOxide p", p.oxideStay);
    p.electrolyteStay = value("Electrolyte p", p.electrolyteStay);
    p.cellSize = value("Cell dimension", p.cellSize);
    p.stepDuration = value("Time step", p.stepDuration);
    if (const std::vector<double>* sides = line(data, layout, "Boundary Conditions"))
        for (int s = 0; s < 4; ++s)
            p.sides[s] = static_cast<std::uint32_t>((*sides)[s]);
    p.boundaryStay = value("Boundary p", p.boundaryStay);
    p.boundaryDensity = value("Boundary concentration", value("Boundary oxygen concentration", p.boundaryDensity));
    p.fluorineDensity = value("Boundary fluorine concentration", p.fluorineDensity);
    p.atomDensity = value("Atomic concentration", p.atomDensity);
    p.reactionProbability = value("Reaction p", p.reactionProbability);
    p.electricField = value("Electric field", layout.lineOf("Electric field") ? p.electricField : 0.0);
    return p;
}

std::vector<std::vector<double>> linesOf(const ParticleParameters& p, int steps, const ParticleResults::Layout& layout)
{
    std::vector<std::vector<double>> lines;
    for (const auto& l : layout.lines) {
        const char* label = l.label;
        const auto is = [label](const char* other) { return std::strcmp(label, other) == 0; };
        if (is("Ti p"))
            lines.push_back({p.tiStay});
        else if (is("TiOxide p"))
            lines.push_back({p.oxideStay});
        else if (is("Electrolyte p"))
            lines.push_back({p.electrolyteStay});
        else if (is("Cell dimension"))
            lines.push_back({p.cellSize});
        else if (is("Time step"))
            lines.push_back({p.stepDuration});
        else if (is("Boundary Conditions"))
            lines.push_back({double(p.sides[0]), double(p.sides[1]), double(p.sides[2]), double(p.sides[3])});
        else if (is("Boundary p"))
            lines.push_back({p.boundaryStay});
        else if (is("Boundary concentration") || is("Boundary oxygen concentration"))
            lines.push_back({p.boundaryDensity});
        else if (is("Boundary fluorine concentration"))
            lines.push_back({p.fluorineDensity});
        else if (is("Atomic concentration"))
            lines.push_back({p.atomDensity});
        else if (is("Reaction p"))
            lines.push_back({p.reactionProbability});
        else if (is("Electric field"))
            lines.push_back({p.electricField});
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
    const ParticleParameters::Problem problem = parametersOf(data, layout).problem(species);
    const char* label = nullptr;
    switch (problem.field) {
    case Field::None:
        return data;
    case Field::CellSize:
        label = "Cell dimension";
        break;
    case Field::StepDuration:
        label = "Time step";
        break;
    case Field::Density:
        label = layout.lineOf("Boundary concentration") ? "Boundary concentration" : "Boundary oxygen concentration";
        break;
    case Field::FluorineDensity:
        label = "Boundary fluorine concentration";
        break;
    case Field::AtomDensity:
        label = "Atomic concentration";
        break;
    }
    ParticleResults::Data refused;
    refused.badLine = layout.lineOf(label);
    return refused;
}

} // namespace Automata::NanoTubes::ParticleFiles
