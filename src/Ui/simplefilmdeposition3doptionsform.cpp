#include "simplefilmdeposition3doptionsform.h"

#include <QPushButton>

#include "../Automata/FilmDeposition/simplefilmdeposition3d.h"
#include "Interaction/framesource.h"

namespace Ui {

SimpleFilmDeposition3DOptionsForm::SimpleFilmDeposition3DOptionsForm(
    Automata::FilmDeposition::SimpleFilmDeposition3D* automaton, QWidget* parent)
    : QDialog(parent), automaton(automaton)
{
    setObjectName(QStringLiteral("SimpleFilmDeposition3DDialog"));
    setWindowTitle(QStringLiteral("Dialog"));
    resize(237, 70);
    auto* button = new QPushButton(QStringLiteral("Generate Surface"), this);
    button->setObjectName(QStringLiteral("btnGenerateSurface"));
    button->setGeometry(30, 20, 210, 50);
    connect(button, &QPushButton::clicked, this, &SimpleFilmDeposition3DOptionsForm::createSurface);
}

void SimpleFilmDeposition3DOptionsForm::createSurface()
{
    if (!automaton)
        return;
    automaton->regenerateSurfaces();
    // The view draws the surfaces on its next frame; ask for one now so the
    // button shows its effect even while no model runs.
    Interaction::requestFrame();
}

} // namespace Ui
