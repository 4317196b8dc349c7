#include "moorefilmetchingautomaton.h"

#include "../columnbands.h"
#include "mooredilation.h"

namespace Automata {
namespace MixedAutomata {

void MooreFilmEtchingAutomaton::step()
{
    const MaterialCode film = state.currentFilm();
    const std::size_t slab = slabSize();
    const MaterialCode* from = current;
    MaterialCode* to = next;
    const int w = static_cast<int>(width), l = static_cast<int>(length), h = static_cast<int>(height);
    ColumnBands::run(w, [=](int begin, int end) {
        MooreDilation::band(
            begin, end, w, l, h,
            [=](int x, unsigned char* flags) {
                const MaterialCode* in = from + x * slab;
                for (std::size_t i = 0; i < slab; ++i)
                    flags[i] = in[i] == emptyCode;
                return static_cast<const unsigned char*>(flags);
            },
            [=](int x, const unsigned char* near) {
                const MaterialCode* in = from + x * slab;
                MaterialCode* out = to + x * slab;
                for (std::size_t i = 0; i < slab; ++i)
                    out[i] = (in[i] == film && near[i]) ? emptyCode : in[i];
            });
    });
}

} // namespace MixedAutomata
} // namespace Automata
