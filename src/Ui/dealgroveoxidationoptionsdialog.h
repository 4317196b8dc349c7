#pragma once

#include <QDialog>

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

    OxidationParameters parameters() const { return fields.values(); }
    double temperature() const;
    // A0 and B0 as typed; text that is no number reads as 0.
    double a0() const;
    double b0() const;
    double linearActivationEnergy() const;
    double parabolicActivationEnergy() const;
    double initialTime() const;

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
