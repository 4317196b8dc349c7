#pragma once

#include <QDialog>

namespace Automata {
namespace FilmDeposition {
class SimpleFilmDeposition3D;
}
}

namespace Ui {

// The small modeless form of the 3D film model with its "Generate Surface"
// button. It acts on the model it was made for; the shell closes it before
// that model is deleted.
class SimpleFilmDeposition3DOptionsForm : public QDialog {
    Q_OBJECT

public:
    SimpleFilmDeposition3DOptionsForm(Automata::FilmDeposition::SimpleFilmDeposition3D* automaton,
                                      QWidget* parent = nullptr);

public slots:
    void createSurface();

private:
    Automata::FilmDeposition::SimpleFilmDeposition3D* automaton;
};

} // namespace Ui
