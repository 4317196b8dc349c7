#include "simplefilmdeposition3dloader.h"

#include "../Automata/FilmDeposition/anisotropicdirectionalhuygensdeposition3d.h"
#include "../Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "../Ui/huygensdepositionoptionsdialog.h"
#include "../Ui/simplefilmdeposition3doptionsform.h"
#include "Interaction/interaction.h"
#include "Persistence/imagefiles.h"
#include "Persistence/imagegrids.h"
#include "imagerequest.h"

namespace Input {

using namespace Automata::FilmDeposition;
using Persistence::ImageGrids;

SimpleFilmDeposition3DLoader::SimpleFilmDeposition3DLoader(QWidget* parent, int mode)
    : parent(parent), mode(mode)
{
    cells = volumeFrom(ImageRequest::askPlain(parent, Persistence::ImageFiles::examplesFolder()));
}

Persistence::Grid<FilmCell> SimpleFilmDeposition3DLoader::volumeFrom(const QImage& image)
{
    if (image.isNull())
        return {};
    // The loader's volume and the model's two buffers live at once, beside
    // two bytes per voxel of the model's neighbourhood tables.
    const bool fitsInMemory = fits(
        Automata::SizeCheck({image.width(), image.height(), ImageGrids::heightMapDepth(image)})
            .perSite<FilmCell>(3)
            .perSite<unsigned char>(2));
    if (!fitsInMemory)
        return {};
    return ImageGrids::heightMap(image, FilmCell(Substrate, 100.0f), FilmCell(Empty, 100.0f));
}

Automata::Automaton* SimpleFilmDeposition3DLoader::load()
{
    if (cells.isEmpty())
        return nullptr;
    if (mode == 2) {
        Ui::HuygensDepositionOptionsDialog dialog(parent);
        if (Interaction::interaction().exec(&dialog) != QDialog::Accepted) {
            cells = Persistence::Grid<FilmCell>();
            return nullptr;
        }
        return new AnisotropicDirectionalHuygensDeposition3D(cells.width(), cells.height(),
                                                             cells.depth(), cells.data(),
                                                             dialog.parameters());
    }
    if (mode != 1)
        return nullptr;
    auto* model = new SimpleFilmDeposition3D(cells.width(), cells.height(), cells.depth(),
                                             cells.data());
    Interaction::interaction().showForm(new Ui::SimpleFilmDeposition3DOptionsForm(model, parent));
    return model;
}

} // namespace Input
