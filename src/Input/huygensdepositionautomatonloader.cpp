#include "huygensdepositionautomatonloader.h"

#include <QDir>

#include "Automata/FilmDeposition/anisotropicdirectionalhuygensdeposition.h"
#include "Automata/FilmDeposition/anisotropichuygensdepositionautomaton.h"
#include "Automata/FilmDeposition/huygensdepositionautomaton.h"
#include "Ui/huygensdepositionoptionsdialog.h"
#include "substratepixel.h"

namespace Input {

using namespace Automata::FilmDeposition;

HuygensDepositionAutomatonLoader::HuygensDepositionAutomatonLoader(QWidget* parent, int mode)
    : ImageLoader(parent), mode(mode)
{
    QString chosen;
    const QImage image = ImageRequest::askPlain(parent, rememberedPath(), sizeFilter(), &chosen);
    if (image.isNull() || !fits(sizeCheck(image.width(), image.height())))
        return;
    cells = Persistence::ImageGrids::flipped<FilmCell>(image, SubstratePixel::convert);
    rememberedPath() = chosen;
}

QString& HuygensDepositionAutomatonLoader::rememberedPath()
{
    static QString path = QDir::homePath();
    return path;
}

Automata::SizeCheck HuygensDepositionAutomatonLoader::sizeCheck(int width, int height) const
{
    // Beside the lattice, the anisotropic models count the occupied sites of
    // every column and mark the sites open space reaches.
    return latticeCheck(width, height).perSite<int>().perSite<unsigned char>();
}

Automata::Automaton* HuygensDepositionAutomatonLoader::load()
{
    if (cells.isEmpty())
        return nullptr;
    Ui::HuygensDepositionOptionsDialog dialog(parent);
    if (!runOptionDialog(dialog))
        return nullptr;
    const HuygensParameters parameters = dialog.parameters();
    switch (mode) {
    case 0:
        return build<HuygensDepositionAutomaton>(parameters);
    case 1:
        return build<AnisotropicHuygensDepositionAutomaton>(parameters);
    default:
        return build<AnisotropicDirectionalHuygensDeposition>(parameters);
    }
}

} // namespace Input
