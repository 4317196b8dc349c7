#include "interpolationloader.h"

#include "../Automata/Interpolation/singledimensionlinearinterpolation.h"
#include "../Automata/Interpolation/singledimensionnonlinearinterpolation.h"
#include "../Ui/singledimensioninterpolationinputdialog.h"
#include "Interaction/interaction.h"

namespace Input {

using namespace Automata::Interpolation;

Automata::Automaton* InterpolationLoader::loadSingleDimension()
{
    Ui::SingleDimensionInterpolationInputDialog dialog(parent);
    if (Interaction::interaction().exec(&dialog) != QDialog::Accepted)
        return nullptr;
    if (mode == 0)
        return new SingleDimensionLinearInterpolation(dialog.getValues(), dialog.getFixed());
    return new SingleDimensionNonlinearInterpolation(dialog.getValues(), dialog.getFixed());
}

} // namespace Input
