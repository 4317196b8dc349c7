#include "distancecountingfilmdeposition2dloader.h"

#include <QDir>

#include "../Automata/FilmDeposition/distancecountingfilmdeposition2d.h"

namespace Input {

using Automata::FilmDeposition::DistState;

DistanceCountingFilmDeposition2DLoader::DistanceCountingFilmDeposition2DLoader(QWidget* parent)
    : ImageLoader<DistState>(parent)
{
    readImageRemembering(&convertColor, rememberedPath());
}

DistState DistanceCountingFilmDeposition2DLoader::convertColor(QRgb pixel)
{
    return Persistence::ImageGrids::isRgb(pixel, 255, 0, 0) ? DistState::source() : DistState();
}

QString& DistanceCountingFilmDeposition2DLoader::rememberedPath()
{
    static QString path = QDir::homePath();
    return path;
}

Automata::Automaton* DistanceCountingFilmDeposition2DLoader::load()
{
    return build<Automata::FilmDeposition::DistanceCountingFilmDeposition2D>();
}

} // namespace Input
