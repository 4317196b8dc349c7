#pragma once

#include <QRgb>

#include "Automata/FilmDeposition/filmcell.h"
#include "Persistence/imagegrids.h"

namespace Input {

// The colour table of the film loaders whose cells carry a fill: red
// (255, 0, 0) is substrate, full; anything else empty, unfilled.
class SubstratePixel {
public:
    static Automata::FilmDeposition::FilmCell convert(QRgb pixel)
    {
        using namespace Automata::FilmDeposition;
        return Persistence::ImageGrids::isRgb(pixel, 255, 0, 0) ? FilmCell(Substrate, 1.0f)
                                                                : FilmCell(Empty, 0.0f);
    }
};

} // namespace Input
