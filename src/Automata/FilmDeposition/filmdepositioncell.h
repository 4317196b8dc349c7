#pragma once

#include <cstdint>

namespace Automata {
namespace FilmDeposition {

// The materials of the film-deposition and oxidation family, one 32-bit value
// per site. Unscoped so that both `Film` and `FilmDepositionCell::Film` read
// naturally in the models.
enum FilmDepositionCell : std::int32_t {
    Substrate = 0,
    Film = 1,
    Empty = 2,
    Silicon = 3,
    Oxide = 4,
    // Marks, within a step of the anisotropic models, empty space cut off from
    // the open space above. It has no colour and is never drawn or saved.
    Void = 5
};

// Number of materials with a colour (Substrate to Oxide).
constexpr int filmDepositionColorCount = 5;

// Float colours (0..1) of the coloured materials, indexed by the material.
extern const float filmDepositionColorTable[filmDepositionColorCount][3];

// The same colours as bytes of a saved image: each float times 255 in single
// precision, truncated toward zero (0.7 -> 178, 0.1 -> 25, 0.4 -> 102).
extern const unsigned char filmDepositionByteColorTable[filmDepositionColorCount][3];

// Pointer to the three floats of a material's colour; valid for the whole run.
// A value without a colour (Void or anything out of range) reads as Empty, so
// a stray value is drawn as open space instead of dereferencing garbage.
const float* filmDepositionColor(FilmDepositionCell type);

// Pointer to the three bytes of a material's colour in saved images, with the
// same fallback as filmDepositionColor.
const unsigned char* filmDepositionByteColor(FilmDepositionCell type);

} // namespace FilmDeposition
} // namespace Automata
