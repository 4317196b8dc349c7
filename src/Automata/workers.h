#pragma once

namespace Automata {

// How many workers a model spreads a step over: the global thread pool's size,
// which the batch runner's --threads sets.
int workerCount();

} // namespace Automata
