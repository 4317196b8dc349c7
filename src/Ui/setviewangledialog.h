#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QLabel;

namespace Ui {

// Asks for the three absolute viewing angles of the view, in degrees.
class SetViewAngleDialog : public QDialog {
    Q_OBJECT
public:
    explicit SetViewAngleDialog(QWidget* parent = nullptr);

    double getAngleX() const;
    double getAngleY() const;
    double getAngleZ() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* lblAngleX;
    QLabel* lblAngleY;
    QLabel* lblAngleZ;
    QDoubleSpinBox* dsbAngleX;
    QDoubleSpinBox* dsbAngleY;
    QDoubleSpinBox* dsbAngleZ;
};

} // namespace Ui
