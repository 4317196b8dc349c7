#include "isotropicfilmetchdepoloader.h"

#include <QDialog>

#include "../Automata/MixedAutomata/isotropicfilmetchdeposimulator.h"
#include "../Ui/simpledatainputdialog.h"
#include "Interaction/interaction.h"

namespace Input {

using Automata::MixedAutomata::IsotropicFilmEtchDepoSimulator;

IsotropicFilmEtchDepoLoader::IsotropicFilmEtchDepoLoader(QWidget* parent)
    : SimpleFilmEtchDepoSimulatorLoader(parent, &IsotropicFilmEtchDepoSimulator::memoryCheck)
{
    if (cells.isEmpty())
        return;
    Ui::SimpleDataInputDialog dialog(parent);
    if (Interaction::interaction().exec(&dialog) != QDialog::Accepted) {
        cells = Persistence::Grid<Automata::FilmDeposition::FilmCell>();
        return;
    }
    cellSize = static_cast<float>(dialog.getCellSize());
    stepDuration = static_cast<float>(dialog.getTimeStepDuration());
    rate = static_cast<float>(dialog.getRate());
}

Automata::Automaton* IsotropicFilmEtchDepoLoader::load()
{
    if (cells.isEmpty())
        return nullptr;
    return withForm(new IsotropicFilmEtchDepoSimulator(cells.width(), cells.height(), cells.depth(),
                                                       cells.data(), cellSize, rate, stepDuration));
}

} // namespace Input
