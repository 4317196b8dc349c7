#include "twodimensionalinterpolationoptionsdialog.h"

#include <limits>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Interaction/interaction.h"
#include "Persistence/imagefiles.h"
#include "Persistence/inputfiles.h"
#include "Persistence/resultswriter.h"
#include "doubledelegate.h"

namespace Ui {

namespace {

QString trText(const char* text)
{
    return QCoreApplication::translate("TwoDimensionalInterpolationOptionsForm", text);
}

QLabel* label(const char* name, const char* text, QWidget* parent)
{
    auto* l = new QLabel(trText(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QSpinBox* cellsBox(const char* name, char axis, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(1, Persistence::InterpolationDat::maxSize);
    box->setValue(1);
    box->setToolTip(trText("Number of cells along the %1 direction. The higher the number of "
                           "cells, the higher the resolution and processing times.")
                        .arg(QLatin1Char(axis)));
    return box;
}

QDoubleSpinBox* positionBox(const char* name, double value, const char* tip, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(6);
    box->setRange(-1e9, 1e9);
    box->setValue(value);
    box->setToolTip(trText(tip));
    return box;
}

void setRow(QTableWidget* table, int row, double x, double y, double value)
{
    const double numbers[] = {x, y, value};
    for (int column = 0; column < 3; ++column)
        table->setItem(row, column,
                       new QTableWidgetItem(Persistence::ResultsWriter::number(numbers[column])));
}

// Where the DAT dialog opens: the examples at first, then the folder of the
// last file read.
QString& datFolder()
{
    static QString folder = Persistence::ImageFiles::examplesFolder();
    return folder;
}

} // namespace

TwoDimensionalInterpolationOptionsDialog::TwoDimensionalInterpolationOptionsDialog(QWidget* parent)
    : QDialog(parent), values(1, 0.0), fixed(1, false)
{
    setObjectName(QStringLiteral("TwoDimensionalInterpolationOptionsForm"));
    setWindowTitle(trText("2D Interpolation Input"));

    lblSizeX = label("lblSizeX", "Cells X", this);
    sbxSizeX = cellsBox("sbxSizeX", 'X', this);
    lblSizeY = label("lblSizeY", "Cells Y", this);
    sbxSizeY = cellsBox("sbxSizeY", 'Y', this);
    lblBaseX = label("lblBaseX", "Base X", this);
    dbxBaseX = positionBox("dbxBaseX", 0.0,
                           "The X position of the bottom-left corner of the first cell.", this);
    lblBaseY = label("lblBaseY", "Base Y", this);
    dbxBaseY = positionBox("dbxBaseY", 0.0,
                           "The Y position of the bottom-left corner of the first cell.", this);
    lblSpacing = label("lblSpacing", "Cell Spacing", this);
    dbxSpacing = positionBox("dbxSpacing", 1.0, "The size of the edge of a square cell.", this);
    lblFixedValues = label("lblFixedValues", "Fixed Values", this);

    tblInitialStates = new QTableWidget(1, 3, this);
    tblInitialStates->setObjectName(QStringLiteral("tblInitialStates"));
    tblInitialStates->setHorizontalHeaderLabels(
        {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Value")});
    tblInitialStates->setToolTip(trText("Fixed values used as the basis for the interpolation."));
    const double largest = std::numeric_limits<double>::max();
    tblInitialStates->setItemDelegate(new DoubleDelegate(this, largest, -largest, 5));
    for (int column = 0; column < 3; ++column)
        tblInitialStates->setItem(0, column, new QTableWidgetItem(QStringLiteral("0.0")));

    btnAddFixedValue = new QPushButton(trText("Add Fixed Value"), this);
    btnAddFixedValue->setObjectName(QStringLiteral("btnAddFixedValue"));
    btnAddFixedValue->setToolTip(trText("Add a fixed value to the table."));
    btnLoad = new QPushButton(trText("Load"), this);
    btnLoad->setObjectName(QStringLiteral("btnLoad"));
    btnLoad->setToolTip(trText("Load input files from a file."));
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblSizeX, 0, 0);
    grid->addWidget(sbxSizeX, 0, 1);
    grid->addWidget(lblSizeY, 0, 2);
    grid->addWidget(sbxSizeY, 0, 3);
    grid->addWidget(lblBaseX, 1, 0);
    grid->addWidget(dbxBaseX, 1, 1);
    grid->addWidget(lblBaseY, 1, 2);
    grid->addWidget(dbxBaseY, 1, 3);
    grid->addWidget(lblSpacing, 2, 0);
    grid->addWidget(dbxSpacing, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAddFixedValue);
    buttons->addWidget(btnLoad);
    buttons->addStretch();
    buttons->addWidget(buttonBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(lblFixedValues);
    layout->addWidget(tblInitialStates);
    layout->addLayout(buttons);

    connect(sbxSizeX, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &TwoDimensionalInterpolationOptionsDialog::sizeXChanged);
    connect(sbxSizeY, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &TwoDimensionalInterpolationOptionsDialog::sizeYChanged);
    connect(dbxBaseX, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &TwoDimensionalInterpolationOptionsDialog::baseXChanged);
    connect(dbxBaseY, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &TwoDimensionalInterpolationOptionsDialog::baseYChanged);
    connect(dbxSpacing, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &TwoDimensionalInterpolationOptionsDialog::spacingChanged);
    connect(tblInitialStates, &QTableWidget::cellChanged, this,
            [this] { markForRebuild(); });
    connect(btnAddFixedValue, &QPushButton::clicked, this,
            &TwoDimensionalInterpolationOptionsDialog::addFixedValue);
    connect(btnLoad, &QPushButton::clicked, this,
            &TwoDimensionalInterpolationOptionsDialog::loadFromFile);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int TwoDimensionalInterpolationOptionsDialog::getSizeX() const
{
    return sbxSizeX->value();
}

int TwoDimensionalInterpolationOptionsDialog::getSizeY() const
{
    return sbxSizeY->value();
}

double TwoDimensionalInterpolationOptionsDialog::getBaseX() const
{
    return exactBaseX.value_or(dbxBaseX->value());
}

double TwoDimensionalInterpolationOptionsDialog::getBaseY() const
{
    return exactBaseY.value_or(dbxBaseY->value());
}

double TwoDimensionalInterpolationOptionsDialog::getSpacing() const
{
    return exactSpacing.value_or(dbxSpacing->value());
}

const std::vector<double>& TwoDimensionalInterpolationOptionsDialog::getValues()
{
    if (rebuildNeeded)
        rebuild();
    return values;
}

const std::vector<bool>& TwoDimensionalInterpolationOptionsDialog::getFixed()
{
    if (rebuildNeeded)
        rebuild();
    return fixed;
}

void TwoDimensionalInterpolationOptionsDialog::sizeXChanged(int)
{
    markForRebuild();
}

void TwoDimensionalInterpolationOptionsDialog::sizeYChanged(int)
{
    markForRebuild();
}

void TwoDimensionalInterpolationOptionsDialog::baseXChanged(double)
{
    exactBaseX.reset();
    markForRebuild();
}

void TwoDimensionalInterpolationOptionsDialog::baseYChanged(double)
{
    exactBaseY.reset();
    markForRebuild();
}

void TwoDimensionalInterpolationOptionsDialog::spacingChanged(double)
{
    exactSpacing.reset();
    markForRebuild();
}

void TwoDimensionalInterpolationOptionsDialog::addFixedValue()
{
    const int row = tblInitialStates->rowCount();
    tblInitialStates->insertRow(row);
    for (int column = 0; column < 3; ++column)
        tblInitialStates->setItem(row, column, new QTableWidgetItem(QStringLiteral("0.0")));
    markForRebuild();
}

void TwoDimensionalInterpolationOptionsDialog::rebuild()
{
    using Persistence::InterpolationDat;
    const int sizeX = getSizeX();
    const int sizeY = getSizeY();
    const double baseX = getBaseX();
    const double baseY = getBaseY();
    const double spacing = getSpacing();
    const std::size_t count = static_cast<std::size_t>(sizeX) * sizeY;
    // Every free cell starts from the fill value.
    values.assign(count, fillValue);
    fixed.assign(count, false);
    std::vector<int> counter(count, 0);
    for (int row = 0; row < tblInitialStates->rowCount(); ++row) {
        double numbers[3] = {};
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem* item = tblInitialStates->item(row, column);
            numbers[column] = item ? item->data(Qt::DisplayRole).toDouble() : 0.0;
        }
        const long long i = InterpolationDat::cellIndex(numbers[0], baseX, spacing);
        const long long j = InterpolationDat::cellIndex(numbers[1], baseY, spacing);
        if (i < 0 || i >= sizeX || j < 0 || j >= sizeY) {
            Interaction::interaction().warning(this, trText("Incoherent values"),
                                               trText("Problem in values from row %1.").arg(row + 1));
            continue;
        }
        const std::size_t k = static_cast<std::size_t>(i) * sizeY + static_cast<std::size_t>(j);
        if (!fixed[k]) {
            fixed[k] = true;
            values[k] = numbers[2];
            counter[k] = 1;
        } else {
            values[k] += numbers[2];
            ++counter[k];
        }
    }
    // Several points in one cell give it their mean.
    for (std::size_t k = 0; k < count; ++k) {
        if (counter[k] > 1)
            values[k] /= counter[k];
    }
    rebuildNeeded = false;
}

void TwoDimensionalInterpolationOptionsDialog::loadFromFile()
{
    Interaction::Interaction& interaction = Interaction::interaction();
    const QString name = interaction.openFileName(this, trText("Choose File"), datFolder(),
                                                  trText("DAT (*.dat)"));
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        interaction.warning(this, trText("File Error"), trText("Unable to open selected file!"));
        const QString reason = Persistence::InputFiles::unreadable(name);
        interaction.note(name + QStringLiteral(": ") + (reason.isEmpty() ? file.errorString() : reason));
        return;
    }
    datFolder() = QFileInfo(name).absolutePath();
    const Persistence::InterpolationDat::Result read = Persistence::InterpolationDat::read(file.readAll());
    if (read.extraColumns())
        interaction.information(
            this, trText("Parse Info"),
            trText("This automaton can only use 3 columns: X coordinate, Y coordinate and "
                   "Variable. Input file contains %1 columns. Data will be parsed using column 1 "
                   "as X, column 2 as Y and column 4 as Variable")
                .arg(read.columns));
    if (!read.ok()) {
        // A file that cannot be used leaves the dialog as it was.
        interaction.warning(this, trText("Parse Error"), read.error);
        return;
    }
    applyPoints(read.points);
}

void TwoDimensionalInterpolationOptionsDialog::applyPoints(
    const std::vector<Persistence::InterpolationDat::Point>& points)
{
    const Persistence::InterpolationDat::Grid grid = Persistence::InterpolationDat::gridFor(points);
    sbxSizeX->setValue(grid.sizeX);
    sbxSizeY->setValue(grid.sizeY);
    dbxBaseX->setValue(grid.baseX);
    dbxBaseY->setValue(grid.baseY);
    dbxSpacing->setValue(grid.spacing);
    // Set after the boxes, whose changes drop the exact values.
    exactBaseX = grid.baseX;
    exactBaseY = grid.baseY;
    exactSpacing = grid.spacing;
    fillValue = grid.fill;

    const bool signalsWereBlocked = tblInitialStates->blockSignals(true);
    tblInitialStates->setUpdatesEnabled(false);
    tblInitialStates->clearContents();
    tblInitialStates->setRowCount(static_cast<int>(points.size()));
    for (std::size_t row = 0; row < points.size(); ++row)
        setRow(tblInitialStates, static_cast<int>(row), points[row].x, points[row].y, points[row].value);
    tblInitialStates->setUpdatesEnabled(true);
    tblInitialStates->blockSignals(signalsWereBlocked);
    markForRebuild();
}

} // namespace Ui
