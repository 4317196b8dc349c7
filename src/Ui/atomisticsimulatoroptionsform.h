#pragma once

#include <functional>

#include <QDialog>
#include <QImage>

namespace Automata {
namespace SiEtch {
class AtomisticSimulator;
}
}

namespace Ui {

// The modeless form of the atomistic wet etch simulator: strips the mask, or
// replaces the top mask with a new picture, between steps. It acts on the
// simulator it was made for; the shell closes it before that is deleted.
class AtomisticSimulatorOptionsForm : public QDialog {
    Q_OBJECT

public:
    // Asks for a picture; a null one (after its own message) when none can be read.
    using PictureRequest = std::function<QImage()>;

    AtomisticSimulatorOptionsForm(Automata::SiEtch::AtomisticSimulator* simulator,
                                  PictureRequest askPicture, QWidget* parent = nullptr);

public slots:
    void removeSubstrateMask();
    void setNewTopMask();

private:
    Automata::SiEtch::AtomisticSimulator* simulator;
    PictureRequest askPicture;
};

} // namespace Ui
