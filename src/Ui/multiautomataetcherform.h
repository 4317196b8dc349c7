#pragma once

#include <QDialog>

class QPushButton;

namespace Automata {
namespace SiEtch {
class MultiAutomataEtcher;
}
}

namespace Ui {

// The modeless form of the multi-automata etcher: which etch rule steps
// next, and a button that strips the mask once.
class MultiAutomataEtcherForm : public QDialog {
    Q_OBJECT

public:
    explicit MultiAutomataEtcherForm(Automata::SiEtch::MultiAutomataEtcher* etcher,
                                     QWidget* parent = nullptr);

public slots:
    void changeAutomaton(int index);
    void removeMaskingMaterial();

private:
    Automata::SiEtch::MultiAutomataEtcher* etcher;
    QPushButton* btnRemoveMask;
};

} // namespace Ui
