#include "multifhpautomatonloader.h"

#include "../Automata/FhpAutomata/multifhpautomaton.h"
#include "../Ui/multifhpautomatonoptions.h"
#include "fhploader.h"

namespace Input {

using Automata::FhpAutomata::FhpCell;

MultiFhpAutomatonLoader::MultiFhpAutomatonLoader(QWidget* parent) : ImageLoader<FhpCell>(parent)
{
    Ui::MultiFhpAutomatonOptions dialog(parent);
    if (Interaction::interaction().exec(&dialog) != QDialog::Accepted)
        return;
    scaleFactor = dialog.scaleFactor();
    memberCount = dialog.automataToRun();
    stepsToAverage = dialog.stepsToAverage();
    stripWidth = dialog.stripWidth();
    switchProbability = dialog.switchProbability();

    const QImage image = ImageInput::read(dialog.initialStateFilename());
    if (image.isNull()) {
        Interaction::interaction().warning(nullptr, QString(), QStringLiteral("Could not open input file!"));
        return;
    }
    width = image.width();
    height = image.height();
    cells = ImageInput::convertPixels<FhpCell>(image, false, &FhpLoader::convertColor);
}

Automata::Automaton* MultiFhpAutomatonLoader::load()
{
    if (!cells)
        return nullptr;
    return new Automata::FhpAutomata::MultiFhpAutomaton(width, height, cells, memberCount, scaleFactor,
                                                        stripWidth, switchProbability, stepsToAverage);
}

} // namespace Input
