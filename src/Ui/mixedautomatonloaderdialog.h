#pragma once

#include <QDialog>

class QSpinBox;

namespace Ui {

// The dimensions of the microfabrication volume and of the silicon block in
// it. The block's fields never let it reach beyond the volume.
class MixedAutomatonLoaderDialog : public QDialog {
    Q_OBJECT

public:
    explicit MixedAutomatonLoaderDialog(QWidget* parent = nullptr);

    int totalWidth() const;
    int totalLength() const;
    int totalHeight() const;
    int siWidth() const;
    int siLength() const;
    int siHeight() const;
    int siX() const;
    int siY() const;
    int siZ() const;

public slots:
    // Recomputes the upper limits of the block's fields from the others.
    void updateLimits(int value);

private:
    QSpinBox* sbxTotalWidth;
    QSpinBox* sbxTotalLength;
    QSpinBox* sbxTotalHeight;
    QSpinBox* sbxSiWidth;
    QSpinBox* sbxSiLength;
    QSpinBox* sbxSiHeight;
    QSpinBox* sbxSiX;
    QSpinBox* sbxSiY;
    QSpinBox* sbxSiZ;
};

} // namespace Ui
