#pragma once

#include <QDialog>

class QLineEdit;

namespace Ui {

// Asks every how many steps Save All writes an image.
class SaveIntervalDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaveIntervalDialog(int interval, QWidget* parent = nullptr);

    unsigned int getInterval() const;

public slots:
    // Accepts only a whole number from 1 up; an empty or partial entry keeps
    // the dialog open, since an interval of 0 would never save.
    void accept() override;

private:
    QLineEdit* linInterval;
};

} // namespace Ui
