#pragma once

#include <QRgb>

#include "imageloader.h"

namespace Input {

// "Isotropic GA": red pixels are film, everything else empty.
class BinaryIsotropicFilmDepositionLoader : public ImageLoader<bool> {
public:
    explicit BinaryIsotropicFilmDepositionLoader(QWidget* parent);
    Automata::Automaton* load() override;

    static bool convertColor(QRgb pixel);
};

} // namespace Input
