#pragma once

#include <cstdint>

#include "filmdepositioncell.h"

namespace Automata {
namespace FilmDeposition {

// One site of the film-deposition and oxidation lattices: a material plus the
// per-site quantities later models keep. A plain value, copied freely; the
// fields are public so that per-cell loops stay cheap.
class FilmCell {
public:
    // Empty, value 100, stamp 0, no cached envelope factor.
    FilmCell() = default;
    FilmCell(FilmDepositionCell type, float value) : value(value), type(type) {}
    FilmCell(FilmDepositionCell type, float value, std::uint32_t stamp)
        : value(value), type(type), stamp(stamp)
    {
    }

    FilmDepositionCell getType() const { return type; }
    void setType(FilmDepositionCell newType) { type = newType; }
    float getValue() const { return value; }
    void setValue(float newValue) { value = newValue; }
    std::uint32_t getStamp() const { return stamp; }
    void setStamp(std::uint32_t newStamp) { stamp = newStamp; }

    // The colour-table entry of the cell's material.
    const float* color() const { return filmDepositionColor(type); }

    // Process-wide reference cells for surface extraction: the film reference
    // (Film, value 0), the substrate reference (Substrate, value 0) and the
    // cell read for voxels beyond a volume (Empty, value 1).
    static const FilmCell& filmReference();
    static const FilmCell& substrateReference();
    static const FilmCell& outsideCell();

    // A growth factor cached by the isotropic envelope model.
    float envelope = 0.0f;
    // Whether envelope holds a computed factor.
    bool envelopeValid = false;
    // Amount of material or another per-site quantity of the later models.
    float value = 100.0f;
    FilmDepositionCell type = Empty;
    // The step at which a later model last touched the site.
    std::uint32_t stamp = 0;
};

} // namespace FilmDeposition
} // namespace Automata
