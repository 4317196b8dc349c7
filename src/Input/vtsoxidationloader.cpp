#include "vtsoxidationloader.h"

#include "Automata/FilmDeposition/vtsoxidation2d.h"
#include "Ui/oxidationoptionsdialog.h"
#include "oxidation2dloader.h"

namespace Input {

using Automata::FilmDeposition::FilmCell;

VtsOxidationLoader::VtsOxidationLoader(QWidget* parent) : ImageLoader<FilmCell>(parent)
{
    if (!readImage(&Oxidation2DLoader::cellFromPixel))
        return;
    Ui::OxidationOptionsDialog dialog(parent);
    if (interaction().exec(&dialog) != QDialog::Accepted) {
        delete[] cells;
        cells = nullptr;
        return;
    }
    growthRate = static_cast<float>(dialog.growthRate());
    cellSize = static_cast<float>(dialog.cellSize());
    stepDuration = static_cast<float>(dialog.stepDuration());
    lateralSpeedup = static_cast<float>(dialog.lateralSpeedup());
}

Automata::Automaton* VtsOxidationLoader::load()
{
    if (!cells)
        return nullptr;
    return new Automata::FilmDeposition::VtsOxidation2D(width, height, cells, growthRate, cellSize,
                                                        stepDuration, lateralSpeedup);
}

} // namespace Input
