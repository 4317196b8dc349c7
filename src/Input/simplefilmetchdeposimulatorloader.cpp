#include "simplefilmetchdeposimulatorloader.h"

#include "../Automata/MixedAutomata/simplefilmetchdeposimulator3d.h"
#include "../Ui/filmdepositionetchoptionsdialog.h"
#include "Interaction/interaction.h"
#include "Persistence/imagegrids.h"
#include "imagerequest.h"

namespace Input {

using Automata::FilmDeposition::FilmCell;
using Automata::MixedAutomata::SimpleFilmEtchDepoSimulator3D;
using Persistence::ImageGrids;

SimpleFilmEtchDepoSimulatorLoader::SimpleFilmEtchDepoSimulatorLoader(QWidget* parent)
    : SimpleFilmEtchDepoSimulatorLoader(parent, &SimpleFilmEtchDepoSimulator3D::memoryCheck)
{
}

SimpleFilmEtchDepoSimulatorLoader::SimpleFilmEtchDepoSimulatorLoader(QWidget* parent,
                                                                     MemoryCheck check)
    : parent(parent)
{
    // The shallowest volume a picture can make already tells whether its
    // size is hopeless, before it is decoded.
    const auto shallowest = [check](int width, int height) {
        return check(width, height, 2).perSite<FilmCell>();
    };
    cells = volumeFrom(ImageRequest::askPlain(parent, QString(), sizeFilter(shallowest)), check);
}

Persistence::Grid<FilmCell> SimpleFilmEtchDepoSimulatorLoader::volumeFrom(const QImage& image,
                                                                        MemoryCheck check)
{
    if (image.isNull())
        return {};
    // The loader's volume lives beside the model's buffers.
    if (!fits(check(image.width(), image.height(), ImageGrids::heightMapDepth(image))
                  .perSite<FilmCell>()))
        return {};
    return ImageGrids::heightMap(
        image, FilmCell(Automata::FilmDeposition::Substrate, 100.0f,
                        SimpleFilmEtchDepoSimulator3D::substrateNumber),
        FilmCell(Automata::FilmDeposition::Empty, 100.0f, SimpleFilmEtchDepoSimulator3D::emptyNumber));
}

Automata::Automaton* SimpleFilmEtchDepoSimulatorLoader::load()
{
    if (cells.isEmpty())
        return nullptr;
    return withForm(new SimpleFilmEtchDepoSimulator3D(cells.width(), cells.height(), cells.depth(),
                                                      cells.data()));
}

Automata::Automaton* SimpleFilmEtchDepoSimulatorLoader::withForm(SimpleFilmEtchDepoSimulator3D* model)
{
    Interaction::interaction().showForm(new Ui::FilmDepositionEtchOptionsDialog(model, parent));
    return model;
}

} // namespace Input
