#pragma once

#include <QDialog>

#include "oxidationfields.h"

namespace Ui {

// Options of the constant-rate and variable-step oxidation models.
class OxidationOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OxidationOptionsDialog(QWidget* parent = nullptr);

    Automata::FilmDeposition::OxidationAutomaton2D::Parameters parameters() const;

private:
    OxidationFields::AutomatonFields fields;
};

} // namespace Ui
