#pragma once

#include <QThread>

namespace Automata::NanoTubes {

// What a particle model's worker runs: worker k of count handles its
// contiguous range of cell indices.
class ParticleWorkerHost {
public:
    virtual ~ParticleWorkerHost() = default;
    virtual void runWorker(int k, int count) = 0;
};

// One worker thread of a particle model, created with the model and started
// again at every step; the model joins it before the step ends.
class ParticleThread : public QThread {
public:
    ParticleThread(int k, int count, ParticleWorkerHost* automaton) : k(k), count(count), automaton(automaton) {}

protected:
    void run() override { automaton->runWorker(k, count); }

private:
    int k;
    int count;
    ParticleWorkerHost* automaton;
};

} // namespace Automata::NanoTubes
