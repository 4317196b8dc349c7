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
#include "doubledelegate.h"

namespace Ui {

namespace {

// Reads numbers and separators from a CSV text the way a formatted stream
// does: numbers skip leading white space, a separator skips white space and
// takes exactly one character.
class CsvScanner {
public:
    explicit CsvScanner(const QString& text) : text(text) {}

    bool readInt(int& value)
    {
        skipSpace();
        int end = position;
        if (end < text.size() && (text[end] == QLatin1Char('+') || text[end] == QLatin1Char('-')))
            ++end;
        const int digitsStart = end;
        while (end < text.size() && text[end].isDigit())
            ++end;
        if (end == digitsStart)
            return false;
        bool ok = false;
        const int parsed = text.mid(position, end - position).toInt(&ok);
        if (!ok)
            return false;
        value = parsed;
        position = end;
        return true;
    }

    bool readDouble(double& value)
    {
        skipSpace();
        int end = position;
        if (end < text.size() && (text[end] == QLatin1Char('+') || text[end] == QLatin1Char('-')))
            ++end;
        int digits = 0;
        while (end < text.size() && text[end].isDigit()) {
            ++end;
            ++digits;
        }
        if (end < text.size() && text[end] == QLatin1Char('.')) {
            ++end;
            while (end < text.size() && text[end].isDigit()) {
                ++end;
                ++digits;
            }
        }
        if (digits == 0)
            return false;
        if (end < text.size() && (text[end] == QLatin1Char('e') || text[end] == QLatin1Char('E'))) {
            int exponent = end + 1;
            if (exponent < text.size()
                && (text[exponent] == QLatin1Char('+') || text[exponent] == QLatin1Char('-')))
                ++exponent;
            const int exponentDigits = exponent;
            while (exponent < text.size() && text[exponent].isDigit())
                ++exponent;
            if (exponent > exponentDigits)
                end = exponent;
        }
        bool ok = false;
        const double parsed = text.mid(position, end - position).toDouble(&ok);
        if (!ok)
            return false;
        value = parsed;
        position = end;
        return true;
    }

    bool readSeparator()
    {
        skipSpace();
        if (position >= text.size())
            return false;
        ++position;
        return true;
    }

private:
    void skipSpace()
    {
        while (position < text.size() && text[position].isSpace())
            ++position;
    }

    const QString& text;
    int position = 0;
};

} // namespace

SingleDimensionInterpolationInputDialog::SingleDimensionInterpolationInputDialog(QWidget* parent)
    : QDialog(parent), values(1, 0.0), fixed(1, false)
{
    setWindowTitle(QStringLiteral("1D Interpolation Input"));

    lblPointsInLattice = new QLabel(QStringLiteral("Points in lattice"), this);
    lblPointsInLattice->setObjectName(QStringLiteral("lblPointsInLattice"));
    sbxPointsInLattice = new QSpinBox(this);
    sbxPointsInLattice->setObjectName(QStringLiteral("sbxPointsInLattice"));
    sbxPointsInLattice->setRange(1, 9999);
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
        return;
    }
    const QString error = applyCsv(QString::fromUtf8(file.readAll()));
    if (!error.isEmpty())
        Interaction::interaction().warning(this, QStringLiteral("Parse Error"), error);
}

QString SingleDimensionInterpolationInputDialog::applyCsv(const QString& text)
{
    CsvScanner scanner(text);
    int size = 0;
    if (!scanner.readInt(size) || !scanner.readSeparator())
        return QStringLiteral("Error reading vector size.");
    int fixedCount = 0;
    if (!scanner.readInt(fixedCount))
        return QStringLiteral("Error reading number of fixed values.");
    if (fixedCount > size)
        return QStringLiteral("Too many fixed values.");

    sbxPointsInLattice->setValue(size);
    // A size beyond the spin box's range is clamped, so indices are checked
    // against the rows the table really has.
    const int rows = tblInitialStates->rowCount();
    for (int k = 0; k < fixedCount; ++k) {
        int index = 0;
        double value = 0.0;
        if (!scanner.readInt(index) || !scanner.readSeparator() || !scanner.readDouble(value))
            return QStringLiteral("Error reading fixed value %1.").arg(k);
        if (index < 0 || index >= size || index >= rows)
            return QStringLiteral("Invalid index in line %1.").arg(k + 1);
        tblInitialStates->item(index, 0)->setCheckState(Qt::Checked);
        tblInitialStates->item(index, 1)->setData(Qt::EditRole, value);
    }
    return QString();
}

} // namespace Ui
