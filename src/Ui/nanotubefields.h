#pragma once

#include <QObject>
#include <QString>

#include "Automata/NanoTubes/particleparameters.h"

class QDialog;
class QDoubleSpinBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace Ui {

// The fields the titanium particle dialogs share: the stay probability of
// each phase beside its diffusion coefficient D = (1 - p) a^2 / (4 tau), cell
// size and step duration, the boundary code of each side, the boundary stay
// probability and the reaction probability. A dialog adds its own fields to
// the section forms.
class NanotubeFields : public QObject {
    Q_OBJECT
public:
    // Builds the sections into the layout; with transitions, the six
    // phase-transition probabilities stand beside the stay probabilities.
    NanotubeFields(QDialog* dialog, QVBoxLayout* layout, bool transitions);

    // Sets the shared part of the parameters from the fields.
    void read(Automata::NanoTubes::ParticleParameters& parameters) const;

    // A line edit with its label, holding text.
    static QLineEdit* addLineEdit(QFormLayout* form, const QString& objectName, const QString& label,
                                  const QString& text);
    // A number typed into a line edit, read in the C locale; 0 when unreadable.
    static double number(const QLineEdit* edit);
    // The OK and Cancel buttons every nanotube dialog ends with.
    static void addButtons(QDialog* dialog, QVBoxLayout* layout);
    // A section heading over a new form in the layout.
    static QFormLayout* addSection(QVBoxLayout* layout, const QString& heading);

    QFormLayout* boundary = nullptr;
    QFormLayout* reaction = nullptr;

public slots:
    void on_linCellSize_textChanged(QString newCellSize);
    void on_linStepDuration_textChanged(QString newStepDuration);
    void on_dbxElectrolyteDiffusionProbability_valueChanged(double newValue);
    void on_dbxTiDiffusionProbability_valueChanged(double newValue);
    void on_dbxTiOxideDiffusionProbability_valueChanged(double newValue);

private:
    void showCoefficient(int row);

    // Ti, TiOxide, electrolyte rows.
    QDoubleSpinBox* stay[3] = {};
    QLineEdit* coefficient[3] = {};
    QDoubleSpinBox* transition[6] = {};
    QLineEdit* cellSize = nullptr;
    QLineEdit* stepDuration = nullptr;
    // Top, bottom, left, right; reflective, periodic, constant.
    QRadioButton* side[4][3] = {};
    QDoubleSpinBox* boundaryStay = nullptr;
    QDoubleSpinBox* reactionProbability = nullptr;
};

} // namespace Ui
