#pragma once

#include "imageloader.h"

namespace Input {

// "Isotropic GA": red pixels are film, everything else empty.
class BinaryIsotropicFilmDepositionLoader : public ImageLoader<bool> {
public:
    explicit BinaryIsotropicFilmDepositionLoader(QWidget* parent);
    Automata::Automaton* load() override;
};

} // namespace Input
