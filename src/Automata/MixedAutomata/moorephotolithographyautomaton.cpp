#include "moorephotolithographyautomaton.h"

#include "../columnbands.h"

namespace Automata {
namespace MixedAutomata {

MoorePhotolithographyAutomaton::MoorePhotolithographyAutomaton(VoxelLattice& lattice,
                                                               const ProcessState& state)
    : GenericAutomaton(lattice, state),
      bottom(static_cast<std::size_t>(width) * length, 0),
      top(static_cast<std::size_t>(width) * length, 0)
{
}

void MoorePhotolithographyAutomaton::copyMask(const VoxelMask& mask,
                                              std::vector<unsigned char>& plane) const
{
    // A mask smaller than the volume leaves the rest open; a larger one is cropped.
    for (unsigned x = 0; x < width; ++x)
        for (unsigned y = 0; y < length; ++y)
            plane[static_cast<std::size_t>(x) * length + y] = mask.protects(x, y) ? 1 : 0;
}

void MoorePhotolithographyAutomaton::step()
{
    copyMask(state.bottomMask(), bottom);
    copyMask(state.topMask(), top);
    const MaterialCode film = state.currentFilm();
    const unsigned l = length, h = height;
    const MaterialCode* from = current;
    MaterialCode* to = next;
    const unsigned char* bottomOpen = bottom.data();
    const unsigned char* topOpen = top.data();
    ColumnBands::run(static_cast<int>(width), [=](int begin, int end) {
        for (int x = begin; x < end; ++x) {
            for (unsigned y = 0; y < l; ++y) {
                const std::size_t column = static_cast<std::size_t>(x) * l + y;
                const MaterialCode* in = from + column * h;
                MaterialCode* out = to + column * h;
                const bool fromBelow = !bottomOpen[column];
                const bool fromAbove = !topOpen[column];
                for (unsigned z = 0; z < h; ++z) {
                    const bool exposed = (fromBelow && z > 0 && in[z - 1] == emptyCode)
                                         || (fromAbove && z + 1 < h && in[z + 1] == emptyCode);
                    out[z] = (in[z] == film && exposed) ? emptyCode : in[z];
                }
            }
        }
    });
}

} // namespace MixedAutomata
} // namespace Automata
