#include "vtsoxidationloader.h"

#include "Automata/FilmDeposition/vtsoxidation2d.h"

namespace Input {

Automata::Automaton* VtsOxidationLoader::load()
{
    return build<Automata::FilmDeposition::VtsOxidation2D>(parameters);
}

} // namespace Input
