#include "oxidation2dloader.h"

#include <QDir>

#include "Ui/oxidationoptionsdialog.h"

namespace Input {

using namespace Automata::FilmDeposition;
using Persistence::ImageGrids;

FilmCell Oxidation2DLoader::cellFromPixel(QRgb pixel)
{
    FilmDepositionCell type = Empty;
    if (ImageGrids::isRgb(pixel, 255, 0, 0))
        type = Film;
    else if (ImageGrids::isRgb(pixel, 192, 192, 192))
        type = Silicon;
    else if (ImageGrids::isRgb(pixel, 0, 0, 255))
        type = Oxide;
    return FilmCell(type, 1.0f, 0);
}

Oxidation2DLoader::Oxidation2DLoader(QWidget* parent) : ImageLoader<FilmCell>(parent)
{
    // The oxidation loaders open their image dialog in the current folder.
    if (!readImage(&Oxidation2DLoader::cellFromPixel, QDir::currentPath()))
        return;
    Ui::OxidationOptionsDialog dialog(parent);
    if (runOptionDialog(dialog))
        parameters = dialog.parameters();
}

Automata::SizeCheck Oxidation2DLoader::sizeCheck(int width, int height) const
{
    // The variable-step model also keeps its front while building the next
    // one: at most two cell indices per site.
    return latticeCheck(width, height).perSite<int>(2);
}

Automata::Automaton* Oxidation2DLoader::load()
{
    return build<OxidationAutomaton2D>(parameters);
}

} // namespace Input
