#pragma once

#include <QDialog>

#include "nanotubefields.h"

class QLineEdit;

namespace Ui {

// Options of the Ti anodization model: the oxidation options with an
// electric field instead of the phase transitions.
class TntAnodizationDialog : public QDialog {
    Q_OBJECT
public:
    explicit TntAnodizationDialog(QWidget* parent = nullptr);
    Automata::NanoTubes::ParticleParameters parameters() const;

private:
    NanotubeFields* fields;
    QLineEdit* density;
    QLineEdit* atomDensity;
    QLineEdit* field;
};

} // namespace Ui
