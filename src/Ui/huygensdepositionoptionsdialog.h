#pragma once

#include <QDialog>

#include "Automata/FilmDeposition/huygensparameters.h"

class QDoubleSpinBox;

namespace Ui {

// Options of the Huygens deposition models: the base rate and time step, and
// the occupation law of the anisotropic ones.
class HuygensDepositionOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit HuygensDepositionOptionsDialog(QWidget* parent = nullptr);

    // The values of every field; the cell size stays 1.
    Automata::FilmDeposition::HuygensParameters parameters() const;

private:
    QDoubleSpinBox* rateBox;
    QDoubleSpinBox* timeStepBox;
    QDoubleSpinBox* thresholdBox;
    QDoubleSpinBox* maximumBox;
    QDoubleSpinBox* multiplierBox;
};

} // namespace Ui
