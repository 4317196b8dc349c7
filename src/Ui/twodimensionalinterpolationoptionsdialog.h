#pragma once

#include <optional>
#include <vector>

#include <QDialog>

#include "Persistence/interpolationdat.h"

class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace Ui {

// The grid of a 2D interpolation rule and its fixed points, typed into a
// table of X, Y and value or read from a DAT file. The values and fixed flags
// of the grid's cells are rebuilt from the table when they are read.
class TwoDimensionalInterpolationOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TwoDimensionalInterpolationOptionsDialog(QWidget* parent = nullptr);

    int getSizeX() const;
    int getSizeY() const;
    // The boxes show six decimals; after a DAT file the grid keeps the file's
    // exact corner and spacing until the user changes that box.
    double getBaseX() const;
    double getBaseY() const;
    double getSpacing() const;
    // Cell (x, y) is element x * sizeY + y.
    const std::vector<double>& getValues();
    const std::vector<bool>& getFixed();

    // Fills the dialog from a DAT file's points: the grid that holds them all
    // and one table row per point.
    void applyPoints(const std::vector<Persistence::InterpolationDat::Point>& points);

public slots:
    void sizeXChanged(int newValue);
    void sizeYChanged(int newValue);
    void baseXChanged(double newValue);
    void baseYChanged(double newValue);
    void spacingChanged(double newValue);
    void addFixedValue();
    void loadFromFile();

private:
    void rebuild();
    void markForRebuild() { rebuildNeeded = true; }

    std::vector<double> values;
    std::vector<bool> fixed;
    bool rebuildNeeded = true;
    // The value free cells start from: the mean of the last DAT file's values.
    double fillValue = 0.0;
    std::optional<double> exactBaseX;
    std::optional<double> exactBaseY;
    std::optional<double> exactSpacing;

    QLabel* lblSizeX;
    QSpinBox* sbxSizeX;
    QLabel* lblSizeY;
    QSpinBox* sbxSizeY;
    QLabel* lblBaseX;
    QDoubleSpinBox* dbxBaseX;
    QLabel* lblBaseY;
    QDoubleSpinBox* dbxBaseY;
    QLabel* lblSpacing;
    QDoubleSpinBox* dbxSpacing;
    QLabel* lblFixedValues;
    QTableWidget* tblInitialStates;
    QPushButton* btnAddFixedValue;
    QPushButton* btnLoad;
    QDialogButtonBox* buttonBox;
};

} // namespace Ui
