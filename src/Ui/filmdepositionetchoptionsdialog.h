#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace Automata {
namespace MixedAutomata {
class SimpleFilmEtchDepoSimulator3D;
}
}

namespace Ui {

// The modeless form beside a film stack model: the film and operation of the
// next steps, the masking material, which films are see-through, and
// "Generate Surface". It acts on the model it was made for; the shell closes
// it before that model is deleted.
class FilmDepositionEtchOptionsDialog : public QDialog {
    Q_OBJECT

public:
    FilmDepositionEtchOptionsDialog(Automata::MixedAutomata::SimpleFilmEtchDepoSimulator3D* automaton,
                                    QWidget* parent = nullptr);

    static QString maskFailure();

public slots:
    void changeFilm(int index);
    void changeOperation(bool value);
    void createSurface();
    void chooseMaskingMaterialFile();
    void applyMaskingMaterial();
    void removeMaskingMaterial();
    void makeFilmTransparent();
    void makeFilmOpaque();

private:
    Automata::MixedAutomata::SimpleFilmEtchDepoSimulator3D* automaton;
    QComboBox* cbxFilmType;
    QRadioButton* rbtEtch;
    QLineEdit* lieMaskingMaterial;
};

} // namespace Ui
