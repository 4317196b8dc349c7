#include "dealgroveoxidation2dloader.h"

#include <QDir>

#include "Ui/dealgroveoxidationoptionsdialog.h"
#include "oxidation2dloader.h"

namespace Input {

using Automata::FilmDeposition::FilmCell;

DealGroveOxidation2DLoader::DealGroveOxidation2DLoader(QWidget* parent)
    : ImageLoader<FilmCell>(parent)
{
    // The oxidation loaders open their image dialog in the current folder.
    if (!readImage(&Oxidation2DLoader::cellFromPixel, QDir::currentPath()))
        return;
    Ui::DealGroveOxidationOptionsDialog dialog(parent);
    if (runOptionDialog(dialog))
        parameters = dialog.parameters();
}

Automata::Automaton* DealGroveOxidation2DLoader::load()
{
    return build<Automata::FilmDeposition::DealGroveOxidation2D>(parameters);
}

} // namespace Input
