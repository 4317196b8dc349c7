#pragma once

#include <vector>

#include <QDialog>

#include "Persistence/interpolationcsv.h"

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace Ui {

// The values and fixed points of a 1D interpolation ring, typed into a table
// or read from a CSV file ("N,F" then F lines "index,value").
class SingleDimensionInterpolationInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit SingleDimensionInterpolationInputDialog(QWidget* parent = nullptr);

    const std::vector<double>& getValues() const { return values; }
    const std::vector<bool>& getFixed() const { return fixed; }

public slots:
    void cellCountChanged(int count);
    void cellChanged(int row, int column);
    void loadFromFile();

private:
    // Sets the size and checks and fills the rows of the fixed values, through
    // the table, so that the dialog's values and flags follow.
    void applyTable(const Persistence::InterpolationCsv::Table& table);

    std::vector<double> values;
    std::vector<bool> fixed;

    QLabel* lblPointsInLattice;
    QSpinBox* sbxPointsInLattice;
    QTableWidget* tblInitialStates;
    QPushButton* btnLoad;
    QDialogButtonBox* buttonBox;
};

} // namespace Ui
