#include "interpolationloader.h"

#include "../Automata/Interpolation/singledimensionlinearinterpolation.h"
#include "../Automata/Interpolation/singledimensionnonlinearinterpolation.h"
#include "../Automata/Interpolation/twodimensionalinterpolation.h"
#include "../Automata/Interpolation/variableneighborhoodinterpolation.h"
#include "../Ui/selectneighborhoodsizedialog.h"
#include "../Ui/singledimensioninterpolationinputdialog.h"
#include "../Ui/twodimensionalinterpolationoptionsdialog.h"
#include "Interaction/interaction.h"
#include "loader.h"

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

Automata::Automaton* InterpolationLoader::loadTwoDimensional()
{
    Ui::TwoDimensionalInterpolationOptionsDialog dialog(parent);
    Interaction::Interaction& interaction = Interaction::interaction();
    if (interaction.exec(&dialog) != QDialog::Accepted)
        return nullptr;
    if (dialog.getSpacing() == 0.0) {
        interaction.warning(parent, QStringLiteral("Incoherent values"),
                            QStringLiteral("Cell Spacing must not be 0."));
        return nullptr;
    }
    const int sizeX = dialog.getSizeX();
    const int sizeY = dialog.getSizeY();
    // The dialog's values, flags and counters, then the model's two value
    // buffers, flags and column sums.
    Automata::SizeCheck check({sizeX, sizeY});
    check.perSite<double>(3).perSite<int>().perSite<unsigned char>().add(1, sizeX, sizeof(double));
    if (!Loader<double>::fits(check))
        return nullptr;
    const std::vector<double> base{dialog.getBaseX(), dialog.getBaseY()};
    const double spacing = dialog.getSpacing();
    if (mode == 0)
        return new TwoDimensionalInterpolation(sizeX, sizeY, spacing, base, dialog.getValues(),
                                               dialog.getFixed());
    Ui::SelectNeighborhoodSizeDialog neighborhood(parent);
    if (interaction.exec(&neighborhood) != QDialog::Accepted)
        return nullptr;
    return new VariableNeighborhoodInterpolation(sizeX, sizeY, spacing, base,
                                                 neighborhood.getSizeX(), neighborhood.getSizeY(),
                                                 dialog.getValues(), dialog.getFixed());
}

} // namespace Input
