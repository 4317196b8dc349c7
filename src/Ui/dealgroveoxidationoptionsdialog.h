#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QLineEdit;

namespace Ui {

// Options of the Deal-Grove oxidation model: the automaton's own parameters
// and those of the Deal-Grove rate law.
class DealGroveOxidationOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit DealGroveOxidationOptionsDialog(QWidget* parent = nullptr);

    double growthRate() const;
    double cellSize() const;
    double stepDuration() const;
    double lateralSpeedup() const;
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
    QDoubleSpinBox* growthRateBox;
    QDoubleSpinBox* cellSizeBox;
    QDoubleSpinBox* stepDurationBox;
    QDoubleSpinBox* lateralSpeedupBox;
    QDoubleSpinBox* temperatureBox;
    QLineEdit* a0Edit;
    QLineEdit* b0Edit;
    QDoubleSpinBox* linearEnergyBox;
    QDoubleSpinBox* parabolicEnergyBox;
    QDoubleSpinBox* initialTimeBox;
};

} // namespace Ui
