#pragma once

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QPushButton;

namespace Automata {
namespace FilmDeposition {
class DistanceCountingFilmDeposition3D;
}
}

namespace Ui {

// The modeless form of the 3D distance-counting model: "Generate Surface",
// the colour of the film grown from now on and its thickness. It acts on the
// model it was made for; the shell closes it before that model is deleted.
class DistanceCounting3DFilmDepositionDialog : public QDialog {
    Q_OBJECT

public:
    DistanceCounting3DFilmDepositionDialog(
        Automata::FilmDeposition::DistanceCountingFilmDeposition3D* automaton,
        QWidget* parent = nullptr);

public slots:
    void generateSurface();
    void filmChanged(int i);
    void thicknessChanged(double t);

private:
    Automata::FilmDeposition::DistanceCountingFilmDeposition3D* automaton;
    QPushButton* btnGenerateSurface;
    QComboBox* cbxFilm;
    QDoubleSpinBox* dsbThickness;
};

} // namespace Ui
