#include "moorefilmdepositionautomaton.h"

#include "mooredilation.h"

namespace Automata {
namespace MixedAutomata {

void MooreFilmDepositionAutomaton::step()
{
    const MaterialCode film = state.currentFilm();
    MooreDilation::pass(
        current, next, static_cast<int>(width), static_cast<int>(length), static_cast<int>(height),
        [](MaterialCode code) { return code != emptyCode; },
        [film](MaterialCode code, bool near, int, int, int) { return code == emptyCode && near ? film : code; });
}

} // namespace MixedAutomata
} // namespace Automata
