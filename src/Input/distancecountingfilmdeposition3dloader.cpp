#include "distancecountingfilmdeposition3dloader.h"

#include <QDir>

#include "../Automata/FilmDeposition/distancecountingfilmdeposition3d.h"
#include "../Ui/distancecounting3dfilmdepositiondialog.h"
#include "Interaction/interaction.h"
#include "Persistence/imagegrids.h"
#include "imagerequest.h"

namespace Input {

using Automata::FilmDeposition::DistanceCountingFilmDeposition3D;

namespace {

// The loader's states beside everything the model holds.
Automata::SizeCheck modelCheck(int width, int height)
{
    return DistanceCountingFilmDeposition3D::memoryCheck(
        width, height, DistanceCountingFilmDeposition3DLoader::depth, 1);
}

} // namespace

DistanceCountingFilmDeposition3DLoader::DistanceCountingFilmDeposition3DLoader(QWidget* parent)
    : parent(parent)
{
    QString chosen;
    cells = volumeFrom(ImageRequest::askPlain(parent, rememberedPath(), sizeFilter(&modelCheck),
                                              &chosen));
    if (!cells.isEmpty())
        rememberedPath() = chosen;
}

Persistence::Grid<int> DistanceCountingFilmDeposition3DLoader::volumeFrom(const QImage& image)
{
    if (image.isNull() || !fits(modelCheck(image.width(), image.height())))
        return {};
    return Persistence::ImageGrids::heightMap(image, 1, 0, depth);
}

QString& DistanceCountingFilmDeposition3DLoader::rememberedPath()
{
    static QString path = QDir::homePath();
    return path;
}

Automata::Automaton* DistanceCountingFilmDeposition3DLoader::load()
{
    if (cells.isEmpty())
        return nullptr;
    auto* model = new DistanceCountingFilmDeposition3D(cells.width(), cells.height(),
                                                       cells.depth(), cells.data());
    Interaction::interaction().showForm(new Ui::DistanceCounting3DFilmDepositionDialog(model, parent));
    return model;
}

} // namespace Input
