#pragma once

#include <QImage>

#include "../Automata/FilmDeposition/filmcell.h"
#include "loader.h"

class QWidget;

namespace Input {

// Builds a film volume from a height map: the red value of pixel (x, y) is
// the height of a substrate column, and the volume is twice as deep as the
// tallest column (at least 2). Mode 1 builds the simple 3D deposition model
// and opens its "Generate Surface" form.
class SimpleFilmDeposition3DLoader : public Loader<Automata::FilmDeposition::FilmCell> {
public:
    SimpleFilmDeposition3DLoader(QWidget* parent, int mode);
    ~SimpleFilmDeposition3DLoader() override;
    SimpleFilmDeposition3DLoader(const SimpleFilmDeposition3DLoader&) = delete;
    SimpleFilmDeposition3DLoader& operator=(const SimpleFilmDeposition3DLoader&) = delete;

    Automata::Automaton* load() override;

    // The volume of a height map, width x height x depth voxels in volume
    // order (new array, owned by the caller); depth receives D.
    static Automata::FilmDeposition::FilmCell* heightMapVolume(const QImage& image, int& depth);
    // The depth of a height map's volume: twice its tallest column, at least 2.
    static int heightMapDepth(const QImage& image);

    // The largest volume a height map may ask for (2^28 voxels, some 4 GB per copy).
    static constexpr long long maxVoxels = 1LL << 28;

protected:
    // The volume, or null when no image was read.
    Automata::FilmDeposition::FilmCell* cells = nullptr;
    int width = 0;
    int height = 0;
    int depth = 0;
    QWidget* parent;
    int mode;
};

} // namespace Input
