#include "oxidation2dloader.h"

#include <QDir>

#include "Automata/FilmDeposition/oxidationautomaton2d.h"
#include "Ui/oxidationoptionsdialog.h"

namespace Input {

using Automata::FilmDeposition::FilmCell;

FilmCell Oxidation2DLoader::cellFromPixel(QRgb pixel)
{
    using namespace Automata::FilmDeposition;
    FilmDepositionCell type = Empty;
    if (ImageInput::isRgb(pixel, 255, 0, 0))
        type = Film;
    else if (ImageInput::isRgb(pixel, 192, 192, 192))
        type = Silicon;
    else if (ImageInput::isRgb(pixel, 0, 0, 255))
        type = Oxide;
    return FilmCell(type, 1.0f, 0);
}

Oxidation2DLoader::Oxidation2DLoader(QWidget* parent) : ImageLoader<FilmCell>(parent)
{
    // The oxidation loaders open their image dialog in the current folder.
    if (!readImage(&Oxidation2DLoader::cellFromPixel, QDir::currentPath()))
        return;
    Ui::OxidationOptionsDialog dialog(parent);
    if (!runOptionDialog(dialog))
        return;
    options = dialog.parameters();
}

Automata::Automaton* Oxidation2DLoader::load()
{
    if (!cells)
        return nullptr;
    return new Automata::FilmDeposition::OxidationAutomaton2D(
        width, height, cells, options.growthRate, options.cellSize, options.stepDuration,
        options.lateralSpeedup);
}

} // namespace Input
