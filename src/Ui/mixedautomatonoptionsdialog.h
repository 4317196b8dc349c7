#pragma once

#include <QDialog>

class QLineEdit;

namespace Automata {
namespace MixedAutomata {
class MixedAutomatonManager;
}
}

namespace Ui {

// The modeless process options beside a microfabrication volume: the
// operation of the next steps, the film they act on, the two
// photolithography masks and how silicon and empty space are drawn. It acts
// on the manager it was made for and does not own it; the shell closes it
// before that manager is deleted.
class MixedAutomatonOptionsDialog : public QDialog {
    Q_OBJECT

public:
    MixedAutomatonOptionsDialog(QWidget* parent, Automata::MixedAutomata::MixedAutomatonManager* manager);

    static QString bottomMaskFailure();
    static QString topMaskFailure();

public slots:
    void operationChanged(int newOperation);
    void currentFilmChanged(int newFilm);
    void applyBottomMask();
    void applyTopMask();
    void removeBottomMask();
    void removeTopMask();
    void chooseBottomMaskFile();
    void chooseTopMaskFile();
    void setRenderSiAtoms(bool value);
    void setRenderEmptyVoxels(bool value);

private:
    // The mask of the picture named in the field, through setter; the
    // failure message when it cannot be read, the stored mask unchanged.
    template <typename Setter>
    void applyMask(const QLineEdit* field, const QString& failure, Setter setter);
    void chooseMaskFile(QLineEdit* field);

    Automata::MixedAutomata::MixedAutomatonManager* manager;
    QLineEdit* lieTopMask;
    QLineEdit* lieBottomMask;
};

} // namespace Ui
