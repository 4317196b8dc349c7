#include "tntloader2d.h"

#include "../Ui/tinanotubeoptionsdialog.h"

namespace Input {

using Automata::NanoTubes::TiCell;
using Automata::NanoTubes::TiEmpiricNanotubeAutomaton;

TNTLoader2D::TNTLoader2D(QWidget* parent) : Loader2D(parent, true)
{
    if (cells.isEmpty())
        return;
    Ui::TiNanotubeOptionsDialog dialog(parent);
    accepted = Interaction::interaction().exec(&dialog) == QDialog::Accepted;
    parameters = dialog.parameters();
}

Automata::Automaton* TNTLoader2D::load()
{
    if (cells.isEmpty() || !accepted)
        return nullptr;
    const QString title = QStringLiteral("Ti Nanotube Options");
    if (!parameters.basicParameters) {
        Interaction::interaction().warning(parent, title,
            QStringLiteral("Complex Parameters are not supported; select Basic Parameters."));
        return nullptr;
    }
    // The pore pitch is the diameter in cells: at least one.
    if (!(parameters.cellDimension > 0.0f) || parameters.cellDimension > parameters.diameter) {
        Interaction::interaction().warning(parent, title,
            QStringLiteral("The cell dimension must be greater than 0 and at most the nanotube diameter."));
        return nullptr;
    }
    if (!fits(latticeCheck(cells.width(), cells.height()).perSite<TiCell>(2).perSite<int>()))
        return nullptr;
    auto* model = new TiEmpiricNanotubeAutomaton(cells.width(), cells.height(), cells.data());
    model->setBasicParameters(true);
    model->setNanotubeDiameter(parameters.diameter);
    model->setNanotubeDepth(parameters.depth);
    model->setWallThickness(parameters.wallThickness);
    model->setCellSize(parameters.cellDimension);
    model->setUp();
    return model;
}

} // namespace Input
