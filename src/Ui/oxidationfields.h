#pragma once

#include <QString>

#include "Automata/FilmDeposition/oxidationautomaton2d.h"

class QDoubleSpinBox;
class QFormLayout;

namespace Ui {

// The labelled number fields the oxidation option dialogs share: a rich-text
// label beside a spin box with four decimals.
class OxidationFields {
public:
    static QDoubleSpinBox* addSpinBox(QFormLayout* layout, const QString& objectName,
                                      const QString& richLabel, double minimum, double maximum,
                                      double singleStep, double value);

    // The four automaton fields both oxidation dialogs show, starting at the
    // model's defaults; the plain dialog lists the cell size first, the
    // Deal-Grove dialog the growth rate.
    struct AutomatonFields {
        QDoubleSpinBox* growthRate;
        QDoubleSpinBox* cellSize;
        QDoubleSpinBox* stepDuration;
        QDoubleSpinBox* lateralSpeedup;
        // Sets the automaton's part of the parameters from the fields.
        void read(Automata::FilmDeposition::OxidationAutomaton2D::Parameters& parameters) const;
    };
    enum class Order { CellSizeFirst, GrowthRateFirst };
    static AutomatonFields addAutomatonFields(QFormLayout* layout, Order order);

    // A section heading followed by a horizontal line.
    static void addHeading(QFormLayout* layout, const QString& text);
};

} // namespace Ui
