#include "atomisticvariableratesimulator.h"

namespace Automata {
namespace SiEtch {

constexpr int AtomisticVariableRateSimulator::classCount;

AtomisticVariableRateSimulator::AtomisticVariableRateSimulator(int width, int height, int depth,
                                                               float latticeConstant,
                                                               SiliconBlock* shared)
    : AtomisticSimulator(width, height, depth, latticeConstant, shared)
{
    for (int k = 0; k < classCount; ++k) {
        // Atoms of flat (111) faces etch a hundred times slower than the rest.
        classRates[k] = k == 20 ? 0.01 : 1.0;
        classRemaining[k] = 1.0;
        classDue[k] = false;
    }
    markPresent();
}

int AtomisticVariableRateSimulator::atomClass(const Atom& atom)
{
    static const int offsets[5] = {-1, 0, 4, 11, 0};
    const int first = atom.firstNeighbourCount();
    if (first < 1 || first > 4)
        return -1;
    return offsets[first] + atom.secondNeighbourCount();
}

void AtomisticVariableRateSimulator::markPresent()
{
    for (const Atom* atom : block->surfaceAtoms) {
        const int k = atomClass(*atom);
        if (k >= 0)
            classPresent[k] = true;
    }
}

bool AtomisticVariableRateSimulator::isDue(const Atom& atom) const
{
    if (atom.firstNeighbourCount() == 0)
        return true;
    const int k = atomClass(atom);
    return k >= 0 && k < classCount && due[k];
}

bool AtomisticVariableRateSimulator::shouldRemove(const Atom& atom)
{
    return isDue(atom);
}

void AtomisticVariableRateSimulator::decide()
{
    decideWith([this](const Atom& atom) { return isDue(atom); });
}

void AtomisticVariableRateSimulator::step()
{
    bool anyPresent = false;
    double dt = 0.0;
    for (int k = 0; k < classCount; ++k) {
        if (!classPresent[k])
            continue;
        const double untilDue = classRemaining[k] / classRates[k];
        if (!anyPresent || untilDue < dt)
            dt = untilDue;
        anyPresent = true;
    }
    for (int k = 0; k < classCount; ++k) {
        if (!classPresent[k])
            continue;
        classRemaining[k] -= dt * classRates[k];
        if (classRemaining[k] > 0.000001) {
            classDue[k] = false;
        } else {
            classDue[k] = true;
            classPresent[k] = false;
            classRemaining[k] = 1.0;
        }
    }
    elapsedTime += dt;
    // The map read once into a plain table, so the decisions need no lookups.
    for (int k = 0; k < classCount; ++k) {
        const auto found = classDue.find(k);
        due[k] = found != classDue.end() && found->second;
    }
    decide();
    removeDecided();
    markPresent();
}

} // namespace SiEtch
} // namespace Automata
