#include "simpledatainputdialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Ui {

namespace {
QString trText(const char* text)
{
    return QCoreApplication::translate("SimpleDataInputDialogForm", text);
}

QDoubleSpinBox* valueBox(const char* name, double minimum, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(6);
    box->setRange(minimum, 1000000000.0);
    box->setValue(1.0);
    return box;
}
} // namespace

SimpleDataInputDialog::SimpleDataInputDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SimpleDataInputDialogForm"));
    setWindowTitle(trText("Dialog"));
    resize(400, 300);

    dsbCellSize = valueBox("dsbCellSize", 0.000001, this);
    dsbTimeStepDuration = valueBox("dsbTimeStepDuration", 0.00001, this);
    dsbRate = valueBox("dsbRate", 0.00001, this);
    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                           Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto* rows = new QFormLayout;
    rows->addRow(new QLabel(trText("Cell Size"), this), dsbCellSize);
    rows->addRow(new QLabel(trText("Time Step Duration"), this), dsbTimeStepDuration);
    rows->addRow(new QLabel(trText("Rate"), this), dsbRate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addStretch();
    layout->addWidget(buttonBox);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

double SimpleDataInputDialog::getCellSize() const
{
    return dsbCellSize->value();
}

double SimpleDataInputDialog::getTimeStepDuration() const
{
    return dsbTimeStepDuration->value();
}

double SimpleDataInputDialog::getRate() const
{
    return dsbRate->value();
}

} // namespace Ui
