#include "vtsoxidationloader.h"

#include "Automata/FilmDeposition/vtsoxidation2d.h"

namespace Input {

Automata::Automaton* VtsOxidationLoader::load()
{
    if (!cells)
        return nullptr;
    return new Automata::FilmDeposition::VtsOxidation2D(width, height, cells, options.growthRate,
                                                        options.cellSize, options.stepDuration,
                                                        options.lateralSpeedup);
}

} // namespace Input
