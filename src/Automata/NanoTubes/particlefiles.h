#pragma once

#include <QByteArray>

#include "particleparameters.h"
#include "particleresults.h"

namespace Automata::NanoTubes {

// Reading the parameters of the titanium particle models' result files,
// which share their first lines and differ in the densities and the field.
namespace ParticleFiles {

// The parameters stored in a file read with the layout, which has the
// common lines ("Ti p" ... "Reaction p", "Steps simulated") and any of
// "Boundary concentration", "Boundary oxygen concentration", "Boundary
// fluorine concentration" and "Electric field".
ParticleParameters parametersOf(const ParticleResults::Data& data, const ParticleResults::Layout& layout);

// The lines of parameters as a layout writes them, in its order.
std::vector<std::vector<double>> linesOf(const ParticleParameters& parameters, int steps,
                                         const ParticleResults::Layout& layout);

// Reads a file of the layout and refuses, at the line of the value, the
// parameters the models cannot run with.
ParticleResults::Data read(const QByteArray& bytes, const ParticleResults::Layout& layout, int species);

// The thickness record a run restored from the data goes on from: -1
// without history; else the last thickness in cells, rounded where the
// model records whole counts, rounded down where it records mean runs.
int restoredRecord(const ParticleResults::Data& data, const ParticleResults::Layout& layout, bool wholeCounts);

// The common layout lines with the model's extra lines inserted: the
// density lines after "Boundary p", the field line (if any) after "Reaction p".
ParticleResults::Layout layoutWith(std::vector<ParticleResults::Line> densities, bool field,
                                   std::vector<int> grids);

} // namespace ParticleFiles
} // namespace Automata::NanoTubes
