#pragma once

#include <QString>

#include "../Automata/FilmDeposition/diststate.h"
#include "imageloader.h"

namespace Input {

// Builds the 2D distance-counting model from a picture: pure red pixels are
// the source, every other pixel empty; pixel (x, y) is cell (x, y). The file
// dialog opens where the last picture of this loader came from, at first in
// the home folder.
class DistanceCountingFilmDeposition2DLoader : public ImageLoader<Automata::FilmDeposition::DistState> {
public:
    explicit DistanceCountingFilmDeposition2DLoader(QWidget* parent);

    Automata::Automaton* load() override;

    static Automata::FilmDeposition::DistState convertColor(QRgb pixel);
    // The folder or the last file the dialog opens at.
    static QString& rememberedPath();
};

} // namespace Input
