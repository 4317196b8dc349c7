#pragma once

#include <QDialog>

class QSpinBox;

namespace Ui {

// Asks for the half-sizes of a rectangular neighbourhood along x and y.
class SelectNeighborhoodSizeDialog : public QDialog {
    Q_OBJECT
public:
    explicit SelectNeighborhoodSizeDialog(QWidget* parent = nullptr);

    int getSizeX() const;
    int getSizeY() const;

private:
    QSpinBox* sbxNeighborhoodSizeX;
    QSpinBox* sbxNeighborhoodSizeY;
};

} // namespace Ui
