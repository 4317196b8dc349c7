#include "aletchingloader.h"

#include "../Ui/aletchingoptionsdialog.h"

namespace Input {

using Automata::NanoTubes::AlCell;
using Automata::NanoTubes::AlEtching;

AlEtchingLoader::AlEtchingLoader(QWidget* parent) : Loader2D(parent, true)
{
    if (cells.isEmpty())
        return;
    Ui::AlEtchingOptionsDialog dialog(parent);
    if (Interaction::interaction().exec(&dialog) != QDialog::Accepted) {
        cells = Persistence::Grid<int>();
        return;
    }
    parameters = dialog.parameters();
}

Automata::Automaton* AlEtchingLoader::load()
{
    if (cells.isEmpty() ||
        !fits(latticeCheck(cells.width(), cells.height()).perSite<AlCell>(2).perSite<int>()))
        return nullptr;
    auto* model = new AlEtching(cells.width(), cells.height(), cells.data(), parameters);
    model->seedParticles();
    return model;
}

} // namespace Input
