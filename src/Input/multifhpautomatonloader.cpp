#include "multifhpautomatonloader.h"

#include <algorithm>

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

    const QImage image = ImageRequest::readPlain(dialog.initialStateFilename(), sizeFilter());
    if (image.isNull() || !fits(sizeCheck(image.width(), image.height())))
        return;
    cells = Persistence::ImageGrids::plain<FhpCell>(image, &FhpLoader::convertColor);
}

Automata::SizeCheck MultiFhpAutomatonLoader::sizeCheck(int width, int height) const
{
    // The loader's cells and every member's two lattice buffers; the ensemble
    // keeps the summed momentum of each of the last steps and the averaged
    // velocity, both components. It saves no picture.
    const long long members = std::max(memberCount, 1);
    Automata::SizeCheck check({width, height});
    return check.perSite<FhpCell>(1 + 2 * members)
        .perSite<float>(2 * std::max(stepsToAverage, 1) + 2);
}

Automata::Automaton* MultiFhpAutomatonLoader::load()
{
    return build<Automata::FhpAutomata::MultiFhpAutomaton>(memberCount, scaleFactor, stripWidth,
                                                           switchProbability, stepsToAverage);
}

} // namespace Input
