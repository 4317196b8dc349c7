#include "tinanotubesexperimentalautomaton.h"

#include <cmath>
#include <mutex>

#include <QFuture>
#include <QString>
#include <QtConcurrent/QtConcurrentRun>

#include "Automata/columnbands.h"
#include "Automata/painter2d.h"
#include "Automata/random.h"
#include "phasecolors.h"

namespace Automata::NanoTubes {

namespace {

const char* const source = "Automata/NanoTubes/tinanotubesexperimentalautomaton";

// A replica's draws: its own engine for normal deviates, and uniforms from a
// 15-bit stream keyed by the run's seed, the replica and the step, so no
// draw depends on which pool thread runs the replica.
class ReplicaDraws {
public:
    ReplicaDraws(ParticleRules::Engine& engine, std::initializer_list<std::uint64_t> key)
        : engine(engine), stream(key)
    {
    }
    double uniform() { return stream.draw() / 32768.0; }
    double normal(double mean, double deviation)
    {
        return ParticleRules::EngineDraws(engine).normal(mean, deviation);
    }

private:
    ParticleRules::Engine& engine;
    Random::Stream stream;
};

} // namespace

TiNanotubesExperimentalAutomaton::TiNanotubesExperimentalAutomaton(int width, int height, const int* codes,
                                                                   const Parameters& parameters)
    : Automaton2D<ExpTiCell>(width, height), params(parameters)
{
    params.replicas = std::max(1, params.replicas);
    const std::size_t count = cellCount();
    for (std::size_t i = 0; i < count; ++i) {
        ExpTiCell cell;
        cell.phase = static_cast<std::uint32_t>(codes[i]);
        if (cell.phase == Ti)
            std::fill(cell.out, cell.out + 5, initialCount);
        cells[i] = cell;
        nextCells[i] = cell;
        nextCells[i].phase = cell.phase;
    }
    current.assign(params.replicas, std::vector<ExpTiCell>(cells, cells + count));
    next.assign(params.replicas, std::vector<ExpTiCell>(cells, cells + count));
    meanTotals.assign(count, 0.0);
    deviationTotals.assign(count, 0.0);
    seed = Random::seedValue(Random::timeSeed());
    for (int r = 0; r < params.replicas; ++r)
        engines.emplace_back(static_cast<std::uint32_t>(Random::mix({seed, static_cast<std::uint64_t>(r)})));
    painter = new Painter2D<ExpTiCell>(this);
}

void TiNanotubesExperimentalAutomaton::step()
{
    largestAverage = 0.0f;
    std::vector<QFuture<void>> tasks;
    for (int r = 0; r < params.replicas; ++r)
        tasks.push_back(QtConcurrent::run([this, r] { stepReplica(r); }));
    for (QFuture<void>& task : tasks)
        task.waitForFinished();
    averageNextStates();
    for (int r = 0; r < params.replicas; ++r)
        current[r].swap(next[r]);
    finishStep();
}

void TiNanotubesExperimentalAutomaton::stepReplica(int r)
{
    static const std::array<std::uint32_t, 4> sides{
        {ParticleRules::Reflective, ParticleRules::Reflective, ParticleRules::Periodic, ParticleRules::Periodic}};
    const ParticleRules::Reservoir none;
    const ExpTiCell* lattice = current[r].data();
    ExpTiCell* target = next[r].data();
    ReplicaDraws draws(engines[r], {seed, static_cast<std::uint64_t>(r), static_cast<std::uint64_t>(currentStep)});
    const auto out = [](const ExpTiCell& c) { return c.out; };
    const std::size_t count = cellCount();
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t n = ParticleRules::arrivals(lattice, width, height, static_cast<int>(i / height),
                                                        static_cast<int>(i % height), sides, out, none, engines[r]);
        ParticleRules::split(draws, n, ParticleRules::Shares::even(stayOf(cells[i].phase)), target[i].out, source);
    }
}

void TiNanotubesExperimentalAutomaton::averageNextStates()
{
    // Each cell's average reads only that cell of the replicas, so column
    // bands run side by side; they meet only to raise the largest average.
    std::mutex largestGuard;
    ColumnBands::run(width, [this, &largestGuard](int from, int to) {
        float largest = 0.0f;
        for (std::size_t i = index(from, 0); i < static_cast<std::size_t>(index(to, 0)); ++i)
            largest = std::max(largest, averageCell(i));
        const std::lock_guard<std::mutex> lock(largestGuard);
        largestAverage = std::max(largestAverage, largest);
    });
}

float TiNanotubesExperimentalAutomaton::averageCell(std::size_t i)
{
    const int replicas = params.replicas;
    std::uint64_t all = 0;
    std::uint64_t averaged = 0;
    for (int d = 0; d < 5; ++d) {
        std::uint64_t sum = 0;
        for (int r = 0; r < replicas; ++r)
            sum += next[r][i].out[d];
        nextCells[i].out[d] = static_cast<std::uint32_t>(sum / replicas);
        averaged += sum / replicas;
        all += sum;
    }
    const double mean = static_cast<double>(all) / replicas;
    double squares = 0.0;
    for (int r = 0; r < replicas; ++r) {
        const double deviation = next[r][i].total() - mean;
        squares += deviation * deviation;
    }
    meanTotals[i] = mean;
    deviationTotals[i] = std::sqrt(squares / replicas);
    return static_cast<float>(averaged);
}

double TiNanotubesExperimentalAutomaton::stayOf(std::uint32_t phase) const
{
    if (phase == Electrolyte)
        return params.electrolyteStay;
    if (phase == Ti)
        return params.tiStay;
    return params.oxideStay;
}

void TiNanotubesExperimentalAutomaton::save()
{
    if (!writer.openSingle())
        return;
    for (const std::vector<double>* table : {&meanTotals, &deviationTotals}) {
        if (table == &deviationTotals)
            writer.endLine();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                writer.write((*table)[index(x, y)]);
            writer.endLine();
        }
    }
    writer.close();
}

void TiNanotubesExperimentalAutomaton::setSaveAll(bool saveAll, int interval)
{
    (void)saveAll;
    (void)interval;
}

std::string TiNanotubesExperimentalAutomaton::getTimeInfo()
{
    return (QStringLiteral("  Max Value ") + QString::number(static_cast<qint64>(largestAverage))).toStdString();
}

long long TiNanotubesExperimentalAutomaton::getSiteCount() const
{
    return static_cast<long long>(width) * height * params.replicas;
}

const float* TiNanotubesExperimentalAutomaton::getColor(const ExpTiCell& cell)
{
    return phaseColorOf(cell.phase);
}

int TiNanotubesExperimentalAutomaton::convertColor(int red, int green, int blue)
{
    return phaseFromColor(red, green, blue);
}

} // namespace Automata::NanoTubes
