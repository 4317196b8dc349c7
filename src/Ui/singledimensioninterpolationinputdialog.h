#pragma once

#include <vector>

#include <QDialog>

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
    // Applies a CSV text to the table; returns the error that stopped it, or
    // an empty text when every record was read.
    QString applyCsv(const QString& text);

    std::vector<double> values;
    std::vector<bool> fixed;

    QLabel* lblPointsInLattice;
    QSpinBox* sbxPointsInLattice;
    QTableWidget* tblInitialStates;
    QPushButton* btnLoad;
    QDialogButtonBox* buttonBox;
};

} // namespace Ui
