#pragma once

#include <QRgb>

#include "../Automata/FilmDeposition/filmdepositioncell.h"
#include "imageloader.h"

namespace Input {

// "CVD Binary 2D Automaton": red pixels are film, everything else empty. Its
// file dialog opens in the current folder.
class CvdLoader : public ImageLoader<Automata::FilmDeposition::FilmDepositionCell> {
public:
    explicit CvdLoader(QWidget* parent);
    Automata::Automaton* load() override;

    static Automata::FilmDeposition::FilmDepositionCell convertColor(QRgb pixel);
};

} // namespace Input
