#include "tntexperimentalloader.h"

#include "Ui/tntexperimentaldialog.h"

namespace Input {

using Automata::NanoTubes::ExpTiCell;
using Automata::NanoTubes::TiNanotubesExperimentalAutomaton;

TNTExperimentalLoader::TNTExperimentalLoader(QWidget* parent) : Loader2D(parent, true)
{
    if (cells.isEmpty())
        return;
    Ui::TNTExperimentalDialog dialog(parent);
    if (!runOptionDialog(dialog))
        return;
    parameters = dialog.parameters();
    if (!fits(modelCheck(cells.width(), cells.height(), parameters.replicas)))
        cells = Persistence::Grid<int>();
}

Automata::SizeCheck TNTExperimentalLoader::modelCheck(int width, int height, int replicas)
{
    return latticeCheck(width, height).perSite<ExpTiCell>(2 + 2LL * replicas).perSite<double>(2);
}

Automata::Automaton* TNTExperimentalLoader::load()
{
    if (cells.isEmpty())
        return nullptr;
    return new TiNanotubesExperimentalAutomaton(cells.width(), cells.height(), cells.data(), parameters);
}

} // namespace Input
