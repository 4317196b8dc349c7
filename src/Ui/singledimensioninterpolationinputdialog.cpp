#include "singledimensioninterpolationinputdialog.h"

#include <limits>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Interaction/interaction.h"
#include "Persistence/inputfiles.h"
#include "Persistence/interpolationcsv.h"
#include "doubledelegate.h"

namespace Ui {

SingleDimensionInterpolationInputDialog::SingleDimensionInterpolationInputDialog(QWidget* parent)
    : QDialog(parent), values(1, 0.0), fixed(1, false)
{
    setWindowTitle(QStringLiteral("1D Interpolation Input"));

    lblPointsInLattice = new QLabel(QStringLiteral("Points in lattice"), this);
    lblPointsInLattice->setObjectName(QStringLiteral("lblPointsInLattice"));
    sbxPointsInLattice = new QSpinBox(this);
    sbxPointsInLattice->setObjectName(QStringLiteral("sbxPointsInLattice"));
    sbxPointsInLattice->setRange(1, Persistence::InterpolationCsv::maxSize);
    sbxPointsInLattice->setValue(1);
    lblPointsInLattice->setBuddy(sbxPointsInLattice);

    tblInitialStates = new QTableWidget(1, 2, this);
    tblInitialStates->setObjectName(QStringLiteral("tblInitialStates"));
    tblInitialStates->setHorizontalHeaderLabels(
        {QStringLiteral("Fixed Value"), QStringLiteral("Value")});
    tblInitialStates->horizontalHeader()->setStretchLastSection(true);
    const double largest = std::numeric_limits<double>::max();
    tblInitialStates->setItemDelegate(new DoubleDelegate(this, largest, -largest, 5));

    btnLoad = new QPushButton(QStringLiteral("Load"), this);
    btnLoad->setObjectName(QStringLiteral("btnLoad"));

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(lblPointsInLattice);
    countRow->addWidget(sbxPointsInLattice);
    countRow->addStretch();
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(btnLoad);
    bottomRow->addStretch();
    bottomRow->addWidget(buttonBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(countRow);
    layout->addWidget(tblInitialStates);
    layout->addLayout(bottomRow);

    connect(sbxPointsInLattice, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &SingleDimensionInterpolationInputDialog::cellCountChanged);
    connect(tblInitialStates, &QTableWidget::cellChanged, this,
            &SingleDimensionInterpolationInputDialog::cellChanged);
    connect(btnLoad, &QPushButton::clicked, this,
            &SingleDimensionInterpolationInputDialog::loadFromFile);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The first row, as any row added later: unchecked, value 0.
    auto* check = new QTableWidgetItem;
    check->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    check->setCheckState(Qt::Unchecked);
    tblInitialStates->setItem(0, 0, check);
    tblInitialStates->setItem(0, 1, new QTableWidgetItem(QStringLiteral("0")));
}

void SingleDimensionInterpolationInputDialog::cellCountChanged(int count)
{
    const int previous = tblInitialStates->rowCount();
    values.resize(static_cast<std::size_t>(count), 0.0);
    fixed.resize(static_cast<std::size_t>(count), false);
    tblInitialStates->setRowCount(count);
    for (int row = previous; row < count; ++row) {
        auto* check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        check->setCheckState(Qt::Unchecked);
        tblInitialStates->setItem(row, 0, check);
        tblInitialStates->setItem(row, 1, new QTableWidgetItem(QStringLiteral("0")));
    }
}

void SingleDimensionInterpolationInputDialog::cellChanged(int row, int column)
{
    if (row < 0 || static_cast<std::size_t>(row) >= values.size())
        return;
    const QTableWidgetItem* item = tblInitialStates->item(row, column);
    if (!item)
        return;
    if (column == 1)
        values[static_cast<std::size_t>(row)] = item->data(Qt::DisplayRole).toDouble();
    else if (column == 0)
        fixed[static_cast<std::size_t>(row)] = item->checkState() != Qt::Unchecked;
}

void SingleDimensionInterpolationInputDialog::loadFromFile()
{
    const QString name = Interaction::interaction().openFileName(
        this, QStringLiteral("Choose File"), QDir::homePath(), QStringLiteral("CSV (*.csv)"));
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Interaction::interaction().warning(this, QStringLiteral("File Error"),
                                     QStringLiteral("Unable to open selected file!"));
        const QString reason = Persistence::InputFiles::unreadable(name);
        Interaction::interaction().note(name + QStringLiteral(": ") +
                                        (reason.isEmpty() ? file.errorString() : reason));
        return;
    }
    const Persistence::InterpolationCsv::Result read = Persistence::InterpolationCsv::read(file.readAll());
    if (!read.ok()) {
        // A file with an error changes nothing: the table stays as it was.
        Interaction::interaction().warning(this, QStringLiteral("Parse Error"), read.error);
        return;
    }
    applyTable(read.table);
}

void SingleDimensionInterpolationInputDialog::applyTable(const Persistence::InterpolationCsv::Table& table)
{
    // A new size resizes the table; rows the file does not list keep their state.
    sbxPointsInLattice->setValue(table.size);
    for (const Persistence::InterpolationCsv::FixedValue& fixedValue : table.fixedValues) {
        tblInitialStates->item(fixedValue.index, 0)->setCheckState(Qt::Checked);
        tblInitialStates->item(fixedValue.index, 1)->setData(Qt::EditRole, fixedValue.value);
    }
}

} // namespace Ui
