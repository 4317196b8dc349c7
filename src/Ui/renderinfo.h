#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace Ui {

// The rendering options: whether the view draws at all and after how many
// steps a run repaints it.
class RenderInfo : public QDialog {
    Q_OBJECT
public:
    RenderInfo(bool renderingEnabled, unsigned int updateInterval, QWidget* parent = nullptr);

    bool isRenderingEnabled() const;
    unsigned int getUpdateInterval() const;

private:
    QCheckBox* chkEnableRendering;
    QLabel* lblAutomaticInterval;
    QSpinBox* sbxAutomaticUpdate;
};

} // namespace Ui
