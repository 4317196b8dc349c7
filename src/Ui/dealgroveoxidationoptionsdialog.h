#pragma once

#include <QDialog>

#include "Automata/FilmDeposition/dealgroveoxidation2d.h"
#include "oxidationfields.h"

class QDoubleSpinBox;
class QLineEdit;

namespace Ui {

// Options of the Deal-Grove oxidation model: the automaton's own parameters
// and those of the Deal-Grove rate law.
class DealGroveOxidationOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit DealGroveOxidationOptionsDialog(QWidget* parent = nullptr);

    // The values of every field; A0 and B0 text that is no number reads as 0.
    Automata::FilmDeposition::DealGroveOxidation2D::Parameters parameters() const;

    // Reads a number written in the current locale (the way this dialog fills
    // its fields) or in the C form ("3.71e6"); 0 when it is neither.
    static double parseNumber(const QString& text);

private:
    OxidationFields::AutomatonFields fields;
    QDoubleSpinBox* temperatureBox;
    QLineEdit* a0Edit;
    QLineEdit* b0Edit;
    QDoubleSpinBox* linearEnergyBox;
    QDoubleSpinBox* parabolicEnergyBox;
    QDoubleSpinBox* initialTimeBox;
};

} // namespace Ui
