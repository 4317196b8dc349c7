#pragma once

#include <QString>

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

    // A section heading followed by a horizontal line.
    static void addHeading(QFormLayout* layout, const QString& text);
};

} // namespace Ui
