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
                // The ends of the column first, then its inside without
                // bounds tests, so that loop vectorises.
                const unsigned char fromBelow = !bottomOpen[column];
                const unsigned char fromAbove = !topOpen[column];
                auto removed = [=](unsigned z, unsigned char below, unsigned char above) {
                    return in[z] == film && ((below & fromBelow) | (above & fromAbove));
                };
                out[0] = removed(0, 0, h > 1 && in[1] == emptyCode) ? emptyCode : in[0];
                for (unsigned z = 1; z + 1 < h; ++z)
                    out[z] = removed(z, in[z - 1] == emptyCode, in[z + 1] == emptyCode) ? emptyCode : in[z];
                if (h > 1)
                    out[h - 1] = removed(h - 1, in[h - 2] == emptyCode, 0) ? emptyCode : in[h - 1];
            }
        }
    });
}

} // namespace MixedAutomata
} // namespace Automata
