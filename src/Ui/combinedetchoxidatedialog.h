#pragma once

#include <QDialog>

#include "nanotubefields.h"

class QLineEdit;

namespace Ui {

// Options of the combined etching and oxidation model: a reservoir density
// for each species, no phase transitions.
class CombinedEtchOxidateDialog : public QDialog {
    Q_OBJECT
public:
    explicit CombinedEtchOxidateDialog(QWidget* parent = nullptr);
    // The electric field is 0 on this path.
    Automata::NanoTubes::ParticleParameters parameters() const;

private:
    NanotubeFields* fields;
    QLineEdit* oxygen;
    QLineEdit* fluorine;
    QLineEdit* atomDensity;
};

} // namespace Ui
