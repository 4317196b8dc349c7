#include "setviewangledialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Ui {

namespace {
QDoubleSpinBox* angleBox(const char* name, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(2);
    box->setRange(-360.0, 360.0);
    box->setValue(0.0);
    return box;
}
} // namespace

SetViewAngleDialog::SetViewAngleDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SetViewAngleForm"));
    resize(400, 237);

    lblAngleX = new QLabel(this);
    lblAngleX->setObjectName(QStringLiteral("lblAngleX"));
    lblAngleY = new QLabel(this);
    lblAngleY->setObjectName(QStringLiteral("lblAngleY"));
    lblAngleZ = new QLabel(this);
    lblAngleZ->setObjectName(QStringLiteral("lblAngleZ"));
    dsbAngleX = angleBox("dsbAngleX", this);
    dsbAngleY = angleBox("dsbAngleY", this);
    dsbAngleZ = angleBox("dsbAngleZ", this);
    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                           Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto* rows = new QFormLayout;
    rows->addRow(lblAngleX, dsbAngleX);
    rows->addRow(lblAngleY, dsbAngleY);
    rows->addRow(lblAngleZ, dsbAngleZ);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addStretch();
    layout->addWidget(buttonBox);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    retranslate();
}

double SetViewAngleDialog::getAngleX() const
{
    return dsbAngleX->value();
}

double SetViewAngleDialog::getAngleY() const
{
    return dsbAngleY->value();
}

double SetViewAngleDialog::getAngleZ() const
{
    return dsbAngleZ->value();
}

void SetViewAngleDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void SetViewAngleDialog::retranslate()
{
    setWindowTitle(QCoreApplication::translate("SetViewAngleForm", "Set Viewing Angle"));
    lblAngleX->setText(QCoreApplication::translate("SetViewAngleForm", "Angle X Axis"));
    lblAngleY->setText(QCoreApplication::translate("SetViewAngleForm", "Angle Y Axis"));
    lblAngleZ->setText(QCoreApplication::translate("SetViewAngleForm", "Angle Z Axis"));
}

} // namespace Ui
