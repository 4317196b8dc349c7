#include "multiautomataetcherloader.h"

#include "../Automata/SiEtch/atomisticsimulator.h"
#include "../Automata/SiEtch/multiautomataetcher.h"
#include "../Ui/multiautomataetcherform.h"
#include "Interaction/interaction.h"
#include "Persistence/imagegrids.h"
#include "imagerequest.h"

namespace Input {

constexpr int MultiAutomataEtcherLoader::depth;

MultiAutomataEtcherLoader::MultiAutomataEtcherLoader(QWidget* parent) : parent(parent)
{
    // The etcher's dialog opens in the current folder.
    const QImage image = ImageRequest::askPlain(parent, QString(), sizeFilter([](int w, int h) {
        return Automata::SiEtch::AtomisticSimulator::sizeCheck(w, h, depth);
    }));
    if (image.isNull())
        return;
    const Persistence::Grid<unsigned char> mask = Persistence::ImageGrids::redMask(image);
    width = mask.width();
    height = mask.height();
    topMask.assign(mask.begin(), mask.end());
}

Automata::Automaton* MultiAutomataEtcherLoader::load()
{
    if (topMask.empty())
        return nullptr;
    auto* etcher = new Automata::SiEtch::MultiAutomataEtcher(width, height, depth, topMask);
    Interaction::interaction().showForm(new Ui::MultiAutomataEtcherForm(etcher, parent));
    return etcher;
}

} // namespace Input
