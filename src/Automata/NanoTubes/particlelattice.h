#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QString>

#include "Automata/automaton2d.h"
#include "Automata/painter2d.h"
#include "Automata/random.h"
#include "Automata/workers.h"
#include "Persistence/resultswriter.h"
#include "particlefiles.h"
#include "particleparameters.h"
#include "particleresults.h"
#include "particlerules.h"
#include "particlethread.h"
#include "phasecolors.h"

namespace Automata::NanoTubes {

// What the titanium particle models share around their rule: the
// parameters, one Mersenne Twister per worker and the workers themselves,
// the oxide-thickness history, the status text and the result files. A
// model brings its cell, its passes over a range of cells, its thickness
// measure and its file layout.
template <typename Cell>
class ParticleLattice : public Automaton2D<Cell>, protected ParticleWorkerHost {
public:
    using Parameters = ParticleParameters;

    // A lattice of the given phase codes: Ti cells get the atoms per cell,
    // every other cell none, and no cell holds particles.
    ParticleLattice(int width, int height, const int* codes, const Parameters& parameters)
        : Automaton2D<Cell>(width, height), params(parameters)
    {
        const std::size_t count = this->cellCount();
        for (std::size_t i = 0; i < count; ++i) {
            this->cells[i] = Cell();
            this->cells[i].phase = static_cast<std::uint32_t>(codes[i]);
            this->nextCells[i] = this->cells[i];
        }
        start();
    }

    ~ParticleLattice() override = default;

    void step() override
    {
        if (!clockStarted) {
            clock.start();
            clockStarted = true;
        }
        std::fill(largest.begin(), largest.end(), 0);
        const int count = static_cast<int>(threads.size()) + 1;
        for (auto& thread : threads)
            thread->start();
        // The last range runs on the calling thread, which waits anyway.
        runWorker(count - 1, count);
        for (auto& thread : threads)
            thread->wait();
        largestTotal = *std::max_element(largest.begin(), largest.end());
        this->finishStep();
        ++stepsRun;
        measure();
        ++saveCounter;
        if (seriesOn && saveCounter >= this->saveInterval) {
            saveCounter = 0;
            if (writer.openNext()) {
                writeResults();
                writer.close();
            }
        }
    }

    void save() override
    {
        if (writer.openSingle()) {
            writeResults();
            writer.close();
        }
    }

    // Every interval-th step writes the next file of a result series; a
    // cancelled series name leaves that off.
    void setSaveAll(bool saveAll, int interval) override
    {
        this->saveInterval = interval;
        seriesOn = saveAll && writer.askSeriesName();
    }

    double getTime() override { return this->currentStep; }

    std::string getTimeInfo() override
    {
        const double seconds = clockStarted ? clock.nsecsElapsed() * 1e-9 : 0.0;
        const double mlups =
            seconds > 0.0 ? this->width * static_cast<double>(this->height) * 1e-6 * stepsRun / seconds : 0.0;
        return (QStringLiteral(" Steps Duration ") + QString::number(seconds, 'g', 6) + QStringLiteral(" MLUPS ") +
                QString::number(mlups, 'g', 6) + QStringLiteral(" Max Value ") + QString::number(largestTotal))
            .toStdString();
    }

    const Parameters& parameters() const { return params; }
    int currentSteps() const { return this->currentStep; }
    const std::vector<double>& thicknessHistory() const { return thicknesses; }
    const std::vector<double>& timeHistory() const { return times; }
    int thicknessRecord() const { return record; }
    std::uint32_t largestParticleTotal() const { return largestTotal; }
    int workers() const { return static_cast<int>(engines.size()); }

protected:
    // Restores parameters, step, histories and record of a result file of
    // the layout (the record in whole cells or as a mean run); the model then
    // sets its cells from the grids.
    ParticleLattice(const ParticleResults::Data& data, const ParticleResults::Layout& layout, bool wholeCounts)
        : Automaton2D<Cell>(data.width, data.height), params(ParticleFiles::parametersOf(data, layout))
    {
        this->currentStep = static_cast<int>(data.parameters.back()[0]);
        times = data.times;
        thicknesses = data.thicknesses;
        record = ParticleFiles::restoredRecord(data, layout, wholeCounts);
        start();
    }

    // Fills nextCells[begin .. end) from cells with worker k's engine.
    virtual void gatherRange(std::size_t begin, std::size_t end, int k) = 0;
    // The thickness measure after a step.
    virtual void measure() = 0;
    // The values of the layout's parameter lines.
    virtual std::vector<std::vector<double>> parameterLines() const
    {
        return ParticleFiles::linesOf(params, this->currentStep, layout());
    }
    virtual const ParticleResults::Layout& layout() const = 0;
    // Value j of grid g at cell i, grid 0 being the phases.
    virtual std::uint32_t gridValue(int g, std::size_t i, int j) const = 0;

    void runWorker(int k, int count) override
    {
        const std::size_t sites = this->cellCount();
        const std::size_t share = sites / count;
        const std::size_t begin = k * share;
        const std::size_t end = k == count - 1 ? sites : begin + share;
        gatherRange(begin, end, k);
    }

    // The thickness record is passed: keep the new one and its time.
    void recordThickness(double thickness, int newRecord)
    {
        record = newRecord;
        thicknesses.push_back(thickness);
        times.push_back(this->currentStep * params.stepDuration);
    }

    void raiseLargest(int k, std::uint64_t total)
    {
        if (total > largest[k])
            largest[k] = static_cast<std::uint32_t>(std::min<std::uint64_t>(total, 4294967295u));
    }

    ParticleRules::Engine& engine(int k) { return engines[k]; }


    // The step of the one-species models over cells begin .. end: gather
    // every cell's arrivals; in a Ti cell pairs of them react with its atoms
    // (a cell without atoms left is oxide); split the rest by sharesOf(phase).
    // settle(next) completes each next cell once its phase is known.
    template <typename SharesOf, typename Settle>
    void oxidise(std::size_t begin, std::size_t end, int k, SharesOf sharesOf, Settle settle, const char* source)
    {
        ParticleRules::Engine& e = engine(k);
        ParticleRules::EngineDraws draws(e);
        const auto out = [](const Cell& c) { return c.out; };
        const Cell* current = this->cells;
        const int w = this->width;
        const int h = this->height;
        for (std::size_t i = begin; i < end; ++i) {
            const Cell& p = current[i];
            Cell& next = this->nextCells[i];
            std::uint64_t n = ParticleRules::arrivals(current, w, h, static_cast<int>(i / h),
                                                      static_cast<int>(i % h), sides, out, reservoirs[0], e);
            next.phase = p.phase;
            if (n == 0) {
                next.atoms = p.atoms;
                std::fill(next.out, next.out + 5, 0u);
                settle(next);
                continue;
            }
            raiseLargest(k, n);
            next.atoms = 0;
            if (p.phase == Ti) {
                std::uint32_t m = p.atoms;
                ParticleRules::react(draws, n, m, params.reactionProbability, 2);
                next.atoms = m;
                next.phase = m > 0 ? Ti : TiOxide;
            }
            if (n > 0)
                ParticleRules::split(draws, n, sharesOf(p.phase), next.out, source);
            else
                std::fill(next.out, next.out + 5, 0u);
            settle(next);
        }
    }

    // The cells of a one-species file (phases, particle totals, atoms): each
    // total is split again by sharesOf(phase) with the first worker's engine.
    template <typename SharesOf>
    void restoreCells(const ParticleResults::Data& data, SharesOf sharesOf, const char* source)
    {
        ParticleRules::EngineDraws draws(engine(0));
        for (std::size_t i = 0; i < this->cellCount(); ++i) {
            Cell& cell = this->cells[i];
            cell.phase = data.grids[0][i];
            cell.atoms = data.grids[2][i];
            ParticleRules::split(draws, data.grids[1][i], sharesOf(cell.phase), cell.out, source);
            this->nextCells[i] = cell;
        }
    }

    // Ti cells get the atoms per cell, every other cell none.
    void giveAtoms()
    {
        for (std::size_t i = 0; i < this->cellCount(); ++i)
            this->cells[i].atoms = this->nextCells[i].atoms = this->cells[i].phase == Ti ? atomsPerCell : 0;
    }

    Parameters params;
    std::array<std::uint32_t, 4> sides{};
    // Reservoir per species (oxygen, fluorine).
    ParticleRules::Reservoir reservoirs[2];
    std::uint32_t atomsPerCell = 0;
    int record = -1;

private:
    void start()
    {
        sides = ParticleRules::effectiveSides(params.sides);
        reservoirs[0].set(params.boundaryDensity, params.boundaryStay, params.cellSize);
        reservoirs[1].set(params.fluorineDensity, params.boundaryStay, params.cellSize);
        atomsPerCell = params.atomsPerCell();
        // One worker per pool thread, but no more workers than cells, and no
        // more than a machine could run at once.
        const int count = static_cast<int>(
            std::min<long long>({workerCount(), maxWorkers, static_cast<long long>(this->cellCount())}));
        const std::uint32_t base = Random::timeSeed();
        for (int k = 0; k < count; ++k)
            engines.emplace_back(static_cast<std::uint32_t>(Random::seedValue(base + static_cast<std::uint32_t>(k))));
        largest.assign(count, 0);
        for (int k = 0; k + 1 < count; ++k)
            threads.push_back(std::make_unique<ParticleThread>(k, count, static_cast<ParticleWorkerHost*>(this)));
        this->painter = new Painter2D<Cell>(this);
    }

    void writeResults()
    {
        ParticleResults::write(
            writer, layout(), this->width, this->height, parameterLines(),
            [this](int g, std::size_t i, int j) { return gridValue(g, i, j); }, times, thicknesses);
    }

    static constexpr long long maxWorkers = 64;

    std::vector<ParticleRules::Engine> engines;
    std::vector<std::unique_ptr<ParticleThread>> threads;
    std::vector<std::uint32_t> largest;
    std::uint32_t largestTotal = 0;
    std::vector<double> thicknesses;
    std::vector<double> times;
    Persistence::ResultsWriter writer;
    bool seriesOn = false;
    int saveCounter = 0;
    QElapsedTimer clock;
    bool clockStarted = false;
    long long stepsRun = 0;
};

} // namespace Automata::NanoTubes
