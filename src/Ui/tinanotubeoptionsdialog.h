#pragma once

#include <QDialog>

#include "Automata/NanoTubes/tiempiricnanotubeautomaton.h"

class QDoubleSpinBox;
class QLabel;
class QRadioButton;

namespace Ui {

// The options of the empiric Ti nanotube model: the cell dimension and either
// the basic parameters (diameter, wall thickness, depth) or the complex ones
// (growth factor, HF concentration, temperature, voltage, time, electrolyte).
class TiNanotubeOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TiNanotubeOptionsDialog(QWidget* parent = nullptr);

    Automata::NanoTubes::TiEmpiricNanotubeAutomaton::Parameters parameters() const;

public slots:
    // Enables the basic fields and disables the complex ones, or the reverse.
    void on_radBasicParameters_toggled(bool checked);

private:
    QDoubleSpinBox* dblCellDimension;
    QRadioButton* radBasicParameters;
    QDoubleSpinBox* dblNanotubeDiameter;
    QDoubleSpinBox* dblWallThickness;
    QDoubleSpinBox* dblNanotubeDepth;
    QList<QWidget*> basicFields;
    QList<QWidget*> complexFields;
};

} // namespace Ui
