#pragma once

#include <cstdint>

namespace Automata {
namespace MixedAutomata {

// What a voxel of the microfabrication volume holds, one byte per voxel.
// Film n of the options ("Film 01" = 1 ... "Film 15" = 15) has code n + 2.
using MaterialCode = std::uint8_t;

constexpr MaterialCode emptyCode = 0;
constexpr MaterialCode siliconCode = 1;
// Never stored: what a position beyond the volume reads as in the silicon
// etch, occupied by something that is neither silicon nor empty.
constexpr MaterialCode outsideCode = 2;
constexpr MaterialCode firstFilmCode = 3;
constexpr MaterialCode lastFilmCode = 17;

// The face colour (red, green, blue, alpha) a voxel of the code is drawn in;
// empty space has none and reads as null.
const float* materialFaceColor(MaterialCode code);

} // namespace MixedAutomata
} // namespace Automata
