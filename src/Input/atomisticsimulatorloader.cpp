#include "atomisticsimulatorloader.h"

#include "../Automata/SiEtch/atomisticsimulator.h"
#include "../Ui/atomisticsimulatorloadingdialog.h"
#include "../Ui/atomisticsimulatoroptionsform.h"
#include "Interaction/framesource.h"
#include "Interaction/interaction.h"
#include "Persistence/imagegrids.h"
#include "Persistence/screenarchiver.h"
#include "imagerequest.h"

namespace Input {

using namespace Automata::SiEtch;
using Dialog = Ui::AtomisticSimulatorLoadingDialog;

namespace {

constexpr float latticeConstant = AtomisticSimulator::siliconLatticeConstant;

std::vector<unsigned char> maskBytes(const QImage& image)
{
    const Persistence::Grid<unsigned char> mask = Persistence::ImageGrids::redMask(image);
    return std::vector<unsigned char>(mask.begin(), mask.end());
}

} // namespace

AtomisticSimulatorLoader::AtomisticSimulatorLoader(QWidget* parent) : parent(parent)
{
    Dialog dialog(parent);
    if (Interaction::interaction().exec(&dialog) != QDialog::Accepted)
        return;
    depth = dialog.depth();
    diameter = dialog.diameter();
    switch (dialog.mode()) {
    case Dialog::SingleSided:
        if (readMasks(dialog.topMaskFile(), QString(), false))
            mode = 1;
        break;
    case Dialog::DoubleSided:
        if (readMasks(dialog.topMaskFile(), dialog.bottomMaskFile(), true))
            mode = 2;
        break;
    case Dialog::Sphere:
        if (fits(AtomisticSimulator::sphereSizeCheck(diameter))) {
            width = height = depth = diameter;
            mode = 3;
        }
        break;
    }
}

bool AtomisticSimulatorLoader::readMasks(const QString& top, const QString& bottom, bool twoSided)
{
    const int layers = depth;
    const auto check = [layers](int w, int h) { return AtomisticSimulator::sizeCheck(w, h, layers); };
    QImage topImage, bottomImage;
    if (!twoSided) {
        topImage = ImageRequest::readPlain(top, sizeFilter(check));
        if (topImage.isNull())
            return false;
    } else {
        const std::vector<QImage> images = ImageRequest::readSameSize({top, bottom});
        if (images.size() != 2 || !fits(check(images[0].width(), images[0].height())))
            return false;
        topImage = images[0];
        bottomImage = images[1];
    }
    width = topImage.width();
    height = topImage.height();
    topMask = maskBytes(topImage);
    if (!bottomImage.isNull())
        bottomMask = maskBytes(bottomImage);
    return true;
}

Automata::Automaton* AtomisticSimulatorLoader::load()
{
    if (mode == 0)
        return nullptr;
    auto* archiver = new Persistence::ScreenArchiver(Interaction::frameSource());
    if (mode == 3)
        return new AtomisticSimulator(AtomisticSimulator::Sphere{diameter}, latticeConstant, archiver);
    auto* simulator = new AtomisticSimulator(width, height, depth, latticeConstant, topMask,
                                             bottomMask, archiver);
    QWidget* owner = parent;
    Interaction::interaction().showForm(new Ui::AtomisticSimulatorOptionsForm(
        simulator,
        [owner] {
            return ImageRequest::askPlain(owner, Persistence::ImageFiles::examplesFolder());
        },
        parent));
    return simulator;
}

} // namespace Input
