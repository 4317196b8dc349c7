#pragma once

#include <string>
#include <vector>

#include "Automata/automaton2d.h"
#include "Persistence/resultswriter.h"
#include "exptitcell.h"
#include "particlerules.h"

namespace Automata::NanoTubes {

// Particles spreading from Ti cells through the whole lattice without
// reactions or reservoirs, as an ensemble: R replicas step independently,
// each as a task of its own, and are averaged into the displayed lattice,
// with the mean and deviation of every cell's particle total. The top and
// bottom sides are reflective, left and right periodic.
class TiNanotubesExperimentalAutomaton : public Automaton2D<ExpTiCell> {
public:
    struct Parameters {
        double electrolyteStay = 0.5;
        double tiStay = 0.5;
        double oxideStay = 0.5;
        int replicas = 1;
    };

    // Particles of every out slot of a Ti cell at the start (40 000 a cell).
    static constexpr std::uint32_t initialCount = 8000;

    TiNanotubesExperimentalAutomaton(int width, int height, const int* codes, const Parameters& parameters);
    TiNanotubesExperimentalAutomaton(int width, int height, const int* codes)
        : TiNanotubesExperimentalAutomaton(width, height, codes, Parameters())
    {
    }

    void step() override;
    // Writes the mean totals and their deviations as a result table.
    void save() override;
    // No series: the ensemble has only its table.
    void setSaveAll(bool saveAll, int interval) override;
    double getTime() override { return currentStep; }
    std::string getTimeInfo() override;
    long long getSiteCount() const override;
    const float* getColor(const ExpTiCell& cell) override;

    static int convertColor(int red, int green, int blue);

    const std::vector<double>& means() const { return meanTotals; }
    const std::vector<double>& deviations() const { return deviationTotals; }
    // Replica r's current lattice.
    const ExpTiCell* replica(int r) const { return current[r].data(); }
    int replicaCount() const { return params.replicas; }

private:
    // One replica's step: gather every cell's arrivals and split them again.
    void stepReplica(int r);
    // The replicas' next lattices into nextCells (truncated means per out
    // slot) and the statistics of the totals.
    void averageNextStates();
    // Averages cell i; returns its averaged total.
    float averageCell(std::size_t i);
    double stayOf(std::uint32_t phase) const;

    Parameters params;
    std::vector<std::vector<ExpTiCell>> current;
    std::vector<std::vector<ExpTiCell>> next;
    std::vector<double> meanTotals;
    std::vector<double> deviationTotals;
    float largestAverage = 0.0f;
    std::vector<ParticleRules::Engine> engines;
    std::uint64_t seed = 0;
    Persistence::ResultsWriter writer;
};

} // namespace Automata::NanoTubes
