#pragma once

#include <QDialog>

// Who wrote Lithoscope, the warranty disclaimer and the Qt licence notice.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
