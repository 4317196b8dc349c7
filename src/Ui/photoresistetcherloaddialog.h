#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace Ui {

// The options of the photolithographic etcher: the mask picture, the resist
// polarity and the depth of the layer.
class PhotoresistEtcherLoadDialog : public QDialog {
    Q_OBJECT

public:
    explicit PhotoresistEtcherLoadDialog(QWidget* parent = nullptr);

    QString maskPath() const;
    // 1 for a positive resist, 0 for a negative one.
    int polarity() const;
    int depth() const;

public slots:
    void getFilename();

private:
    QLineEdit* lieMask;
    QToolButton* tbtMask;
    QRadioButton* rbtPositive;
    QRadioButton* rbtNegative;
    QSpinBox* sbxDepth;
    QDialogButtonBox* buttonBox;
};

} // namespace Ui
