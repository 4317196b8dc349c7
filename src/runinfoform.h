#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

// Asks before a run whether it stops after a number of steps.
class RunInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit RunInfoForm(QWidget* parent = nullptr);

    // The step limit, or -1 for a run without limit.
    int getMaxSteps() const;

public slots:
    void limitStepsChanged(int state);

private:
    QCheckBox* limitStepsCheckBox;
    QLabel* maxStepsLabel;
    QSpinBox* maxStepsSpinBox;
    QPushButton* okButton;
};
