#pragma once

#include "../Automata/SiEtch/sietchcell.h"
#include "imageloader.h"

namespace Input {

// Builds the silicon etch volume from a mask picture: pure red pixels mask
// the top face, the rest of it is open; the sides and the bottom are masked
// and the inside is silicon, 300 voxels deep.
class DeterministicEtchAutomatonLoader : public ImageLoader<Automata::SiEtch::SiEtchCell> {
public:
    explicit DeterministicEtchAutomatonLoader(QWidget* parent);

    Automata::Automaton* load() override;

    static constexpr int depth = 300;

    // The volume of a width x height mask (Mask where masked), `depth` voxels deep.
    static Persistence::Grid<Automata::SiEtch::SiEtchCell>
    convertImage(const Persistence::Grid<Automata::SiEtch::SiEtchCell>& mask, int depth);

    // Pure red is Mask, everything else Empty.
    static Automata::SiEtch::SiEtchCell cellOf(QRgb pixel);

protected:
    Automata::SizeCheck sizeCheck(int width, int height) const override;
};

} // namespace Input
