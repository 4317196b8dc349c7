#include "mixedautomatamanagerloader.h"

#include <algorithm>

#include <QDialog>

#include "../Automata/MixedAutomata/mixedautomatonmanager.h"
#include "../Ui/mixedautomatonloaderdialog.h"
#include "../Ui/mixedautomatonoptionsdialog.h"
#include "Interaction/interaction.h"

namespace Input {

using Automata::MixedAutomata::MaterialCode;
using Automata::MixedAutomata::MixedAutomatonManager;

MixedAutomataManagerLoader::MixedAutomataManagerLoader(QWidget* parent) : parent(parent)
{
    Ui::MixedAutomatonLoaderDialog dialog(parent);
    if (Interaction::interaction().exec(&dialog) != QDialog::Accepted)
        return;
    codes = volume(dialog.totalWidth(), dialog.totalLength(), dialog.totalHeight(), dialog.siX(),
                   dialog.siY(), dialog.siZ(), dialog.siWidth(), dialog.siLength(), dialog.siHeight());
}

Persistence::Grid<MaterialCode> MixedAutomataManagerLoader::volume(int width, int length, int height,
                                                                   int siX, int siY, int siZ,
                                                                   int siWidth, int siLength,
                                                                   int siHeight)
{
    if (width < 1 || length < 1 || height < 1)
        return {};
    // The loader's codes live beside the model's two arrays.
    const bool fitsInMemory = fits(MixedAutomatonManager::memoryCheck(width, length, height)
                                       .perSite<MaterialCode>());
    if (!fitsInMemory)
        return {};
    Persistence::Grid<MaterialCode> grid(width, length, height);
    const int x1 = std::min(width, siX + siWidth), y1 = std::min(length, siY + siLength),
              z1 = std::min(height, siZ + siHeight);
    for (int x = std::max(siX, 0); x < x1; ++x)
        for (int y = std::max(siY, 0); y < y1; ++y)
            for (int z = std::max(siZ, 0); z < z1; ++z)
                grid.at(x, y, z) = Automata::MixedAutomata::siliconCode;
    return grid;
}

Automata::Automaton* MixedAutomataManagerLoader::load()
{
    if (codes.isEmpty())
        return nullptr;
    auto* manager = new MixedAutomatonManager(static_cast<unsigned>(codes.width()),
                                              static_cast<unsigned>(codes.height()),
                                              static_cast<unsigned>(codes.depth()), codes.data());
    Interaction::interaction().showForm(new Ui::MixedAutomatonOptionsDialog(parent, manager));
    return manager;
}

} // namespace Input
