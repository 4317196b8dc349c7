#pragma once

#include <QString>

class QDoubleSpinBox;
class QFormLayout;

namespace Ui {

// The automaton parameters every oxidation model takes from its dialog.
struct OxidationParameters {
    float growthRate = 0.0f;
    float cellSize = 0.0f;
    float stepDuration = 0.0f;
    float lateralSpeedup = 0.0f;
};

// The labelled number fields the oxidation option dialogs share: a rich-text
// label beside a spin box with four decimals.
class OxidationFields {
public:
    static QDoubleSpinBox* addSpinBox(QFormLayout* layout, const QString& objectName,
                                      const QString& richLabel, double minimum, double maximum,
                                      double singleStep, double value);

    // The four automaton fields both oxidation dialogs show; the plain dialog
    // lists the cell size first, the Deal-Grove dialog the growth rate.
    struct AutomatonFields {
        QDoubleSpinBox* growthRate;
        QDoubleSpinBox* cellSize;
        QDoubleSpinBox* stepDuration;
        QDoubleSpinBox* lateralSpeedup;
        OxidationParameters values() const;
    };
    enum class Order { CellSizeFirst, GrowthRateFirst };
    static AutomatonFields addAutomatonFields(QFormLayout* layout, Order order);

    // A section heading followed by a horizontal line.
    static void addHeading(QFormLayout* layout, const QString& text);
};

} // namespace Ui
