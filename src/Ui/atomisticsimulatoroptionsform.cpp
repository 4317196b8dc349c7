#include "atomisticsimulatoroptionsform.h"

#include <utility>

#include <QPushButton>

#include "../Automata/SiEtch/atomisticsimulator.h"
#include "Interaction/framesource.h"
#include "Interaction/interaction.h"
#include "Persistence/imagegrids.h"

namespace Ui {

AtomisticSimulatorOptionsForm::AtomisticSimulatorOptionsForm(
    Automata::SiEtch::AtomisticSimulator* simulator, PictureRequest askPicture, QWidget* parent)
    : QDialog(parent), simulator(simulator), askPicture(std::move(askPicture))
{
    setObjectName(QStringLiteral("AtomisticSimulatorOptionsForm"));
    setWindowTitle(QStringLiteral("Atomistic Wet Etch Simulator"));
    resize(267, 133);
    auto* remove = new QPushButton(QStringLiteral("Remove Masking Material"), this);
    remove->setObjectName(QStringLiteral("btnRemoveMask"));
    remove->setGeometry(10, 20, 240, 30);
    remove->setToolTip(QStringLiteral("Removes masking material originally applied to substrate. "
                                      "Etching can resume after operation."));
    auto* replace = new QPushButton(QStringLiteral("Set New Top Masking Material"), this);
    replace->setObjectName(QStringLiteral("btnSetNewTopMask"));
    replace->setGeometry(14, 80, 230, 30);
    connect(remove, &QPushButton::clicked, this, &AtomisticSimulatorOptionsForm::removeSubstrateMask);
    connect(replace, &QPushButton::clicked, this, &AtomisticSimulatorOptionsForm::setNewTopMask);
}

void AtomisticSimulatorOptionsForm::removeSubstrateMask()
{
    simulator->removeSubstrateMask();
    Interaction::requestFrame();
}

void AtomisticSimulatorOptionsForm::setNewTopMask()
{
    const QImage image = askPicture();
    if (image.isNull())
        return;
    const Persistence::Grid<unsigned char> mask = Persistence::ImageGrids::redMask(image);
    const int w = simulator->getMaskWidth(), h = simulator->getMaskHeight();
    if (mask.width() != w || mask.height() != h)
        Interaction::interaction().information(
            this, QStringLiteral("Mask size"),
            QStringLiteral("The mask picture is %1 x %2 pixels and the substrate %3 x %4: "
                           "the picture was cropped or padded with open pixels to fit.")
                .arg(mask.width())
                .arg(mask.height())
                .arg(w)
                .arg(h));
    simulator->setNewTopMask(Automata::SiEtch::AtomisticSimulator::fitMask(
        std::vector<unsigned char>(mask.begin(), mask.end()), mask.width(), mask.height(), w, h));
    Interaction::requestFrame();
}

} // namespace Ui
