#pragma once

#include <QDialog>

class QDoubleSpinBox;

namespace Ui {

// Options of the constant-rate and variable-step oxidation models.
class OxidationOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OxidationOptionsDialog(QWidget* parent = nullptr);

    double cellSize() const;
    double growthRate() const;
    double stepDuration() const;
    double lateralSpeedup() const;

private:
    QDoubleSpinBox* cellSizeBox;
    QDoubleSpinBox* growthRateBox;
    QDoubleSpinBox* stepDurationBox;
    QDoubleSpinBox* lateralSpeedupBox;
};

} // namespace Ui
