#pragma once

#include <QDialog>

#include "Automata/NanoTubes/aletching.h"

class QDoubleSpinBox;
class QSlider;

namespace Ui {

// The options of the aluminium etching lattice gas. The two ratios are set
// with a slider or a spin box each, and together never exceed 100 %.
class AlEtchingOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit AlEtchingOptionsDialog(QWidget* parent = nullptr);

    // The corrosive ratio gives kind A, the kind that dissolves aluminium.
    Automata::NanoTubes::AlEtching::Parameters parameters() const;

public slots:
    void on_sldCorrosiveCells_valueChanged(int value);
    void on_sldNonCorrosiveCells_valueChanged(int value);
    void on_dblCorrosiveCells_valueChanged(double value);
    void on_dblNonCorrosiveCells_valueChanged(double value);

private:
    // Shows value in its own slider and lowers the other ratio so that both
    // together stay within 100.
    void ratioChanged(double value, QSlider* slider, QDoubleSpinBox* other);

    QSlider* sldCorrosiveCells;
    QDoubleSpinBox* dblCorrosiveCells;
    QSlider* sldNonCorrosiveCells;
    QDoubleSpinBox* dblNonCorrosiveCells;
    QDoubleSpinBox* dblEtchProbability;
    QDoubleSpinBox* dblIR;
    QDoubleSpinBox* dblScaleConstant;
    QDoubleSpinBox* dblElectroMigration;
};

} // namespace Ui
