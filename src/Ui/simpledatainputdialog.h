#pragma once

#include <QDialog>

class QDoubleSpinBox;

namespace Ui {

// Asks for a cell size, a time step duration and a rate.
class SimpleDataInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit SimpleDataInputDialog(QWidget* parent = nullptr);

    double getCellSize() const;
    double getTimeStepDuration() const;
    double getRate() const;

private:
    QDoubleSpinBox* dsbCellSize;
    QDoubleSpinBox* dsbTimeStepDuration;
    QDoubleSpinBox* dsbRate;
};

} // namespace Ui
