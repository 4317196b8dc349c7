#include "photoresistetcherloader.h"

#include "../Automata/FilmEtching/photolithographicetcher.h"
#include "../Ui/photoresistetcherloaddialog.h"
#include "Interaction/interaction.h"
#include "Persistence/imagegrids.h"
#include "imagerequest.h"

namespace Input {

using Automata::FilmEtching::PhotolithographicEtcher;

PhotoresistEtcherLoader::PhotoresistEtcherLoader(QWidget* parent)
{
    Ui::PhotoresistEtcherLoadDialog dialog(parent);
    if (Interaction::interaction().exec(&dialog) != QDialog::Accepted)
        return;
    polarity = dialog.polarity();
    depth = dialog.depth();
    const int layers = depth;
    const auto check = [layers](int width, int height) {
        return PhotolithographicEtcher::memoryCheck(width, height, layers);
    };
    const QImage image = ImageRequest::readPlain(dialog.maskPath(), sizeFilter(check));
    if (!image.isNull() && fits(check(image.width(), image.height())))
        mask = Persistence::ImageGrids::redMask(image);
}

Automata::Automaton* PhotoresistEtcherLoader::load()
{
    if (mask.isEmpty())
        return nullptr;
    return new PhotolithographicEtcher(mask.width(), mask.height(), depth, polarity, mask.data());
}

} // namespace Input
