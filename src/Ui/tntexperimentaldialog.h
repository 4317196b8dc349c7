#pragma once

#include <QDialog>

#include "Automata/NanoTubes/tinanotubesexperimentalautomaton.h"

class QDoubleSpinBox;
class QSpinBox;

namespace Ui {

// Options of the experimental diffusion model: the stay probability of
// each phase and the number of replicas averaged.
class TNTExperimentalDialog : public QDialog {
    Q_OBJECT
public:
    explicit TNTExperimentalDialog(QWidget* parent = nullptr);
    Automata::NanoTubes::TiNanotubesExperimentalAutomaton::Parameters parameters() const;

private:
    QDoubleSpinBox* ti;
    QDoubleSpinBox* oxide;
    QDoubleSpinBox* electrolyte;
    QSpinBox* replicas;
};

} // namespace Ui
