#pragma once

#include <QDialog>

#include "nanotubefields.h"

class QLineEdit;

namespace Ui {

// Options of the Ti oxidation model.
class TiNanotubeWithDiffusionDialog : public QDialog {
    Q_OBJECT
public:
    explicit TiNanotubeWithDiffusionDialog(QWidget* parent = nullptr);
    Automata::NanoTubes::ParticleParameters parameters() const;

private:
    NanotubeFields* fields;
    QLineEdit* density;
    QLineEdit* atomDensity;
};

} // namespace Ui
