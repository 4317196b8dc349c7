#include "moorefilmdepositionautomaton.h"

#include "../columnbands.h"
#include "mooredilation.h"

namespace Automata {
namespace MixedAutomata {

void MooreFilmDepositionAutomaton::step()
{
    const MaterialCode film = state.currentFilm();
    const std::size_t slab = slabSize();
    const MaterialCode* from = current;
    MaterialCode* to = next;
    const int w = static_cast<int>(width), l = static_cast<int>(length), h = static_cast<int>(height);
    ColumnBands::run(w, [=](int begin, int end) {
        MooreDilation::band(
            begin, end, w, l, h,
            // Any nonzero code is occupied, so the codes flag themselves.
            [=](int x, unsigned char*) { return from + x * slab; },
            [=](int x, const unsigned char* near) {
                const MaterialCode* in = from + x * slab;
                MaterialCode* out = to + x * slab;
                for (std::size_t i = 0; i < slab; ++i)
                    out[i] = (in[i] == emptyCode && near[i]) ? film : in[i];
            });
    });
}

} // namespace MixedAutomata
} // namespace Automata
