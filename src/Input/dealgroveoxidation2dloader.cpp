#include "dealgroveoxidation2dloader.h"

#include <QDir>

#include "Automata/FilmDeposition/dealgroveoxidation2d.h"
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
    if (!runOptionDialog(dialog))
        return;
    options = dialog.parameters();
    temperature = static_cast<float>(dialog.temperature());
    initialTime = static_cast<float>(dialog.initialTime());
    linearActivationEnergy = static_cast<float>(dialog.linearActivationEnergy());
    linearPrefactor = static_cast<float>(dialog.a0());
    parabolicActivationEnergy = static_cast<float>(dialog.parabolicActivationEnergy());
    parabolicPrefactor = static_cast<float>(dialog.b0());
}

Automata::Automaton* DealGroveOxidation2DLoader::load()
{
    if (!cells)
        return nullptr;
    return new Automata::FilmDeposition::DealGroveOxidation2D(
        width, height, cells, options.growthRate, options.cellSize, options.stepDuration,
        options.lateralSpeedup, temperature, initialTime, linearActivationEnergy, linearPrefactor,
        parabolicActivationEnergy, parabolicPrefactor);
}

} // namespace Input
