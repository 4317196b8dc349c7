#include "mixedautomatonloaderdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Ui {

namespace {

QSpinBox* spinBox(const char* name, int minimum, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, 10000);
    box->setValue(value);
    return box;
}

} // namespace

MixedAutomatonLoaderDialog::MixedAutomatonLoaderDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MixedAutomatonLoaderDialog"));
    setWindowTitle(QStringLiteral("Dialog"));

    auto* total = new QGroupBox(QStringLiteral("Total Volume Dimensions"), this);
    auto* silicon = new QGroupBox(QStringLiteral("Si Dimensions"), this);
    sbxTotalWidth = spinBox("sbxTotalWidth", 1, 50, total);
    sbxTotalLength = spinBox("sbxTotalLength", 1, 50, total);
    sbxTotalHeight = spinBox("sbxTotalHeight", 1, 40, total);
    sbxSiWidth = spinBox("sbxSiWidth", 1, 50, silicon);
    sbxSiLength = spinBox("sbxSiLength", 1, 50, silicon);
    sbxSiHeight = spinBox("sbxSiHeight", 1, 20, silicon);
    sbxSiX = spinBox("sbxSiX", 0, 0, silicon);
    sbxSiY = spinBox("sbxSiY", 0, 0, silicon);
    sbxSiZ = spinBox("sbxSiZ", 0, 0, silicon);

    auto* totalRows = new QFormLayout(total);
    totalRows->addRow(QStringLiteral("Width"), sbxTotalWidth);
    totalRows->addRow(QStringLiteral("Length"), sbxTotalLength);
    totalRows->addRow(QStringLiteral("Height"), sbxTotalHeight);
    auto* siliconRows = new QFormLayout(silicon);
    siliconRows->addRow(QStringLiteral("Width"), sbxSiWidth);
    siliconRows->addRow(QStringLiteral("Length"), sbxSiLength);
    siliconRows->addRow(QStringLiteral("Height"), sbxSiHeight);
    siliconRows->addRow(QStringLiteral("X"), sbxSiX);
    siliconRows->addRow(QStringLiteral("Y"), sbxSiY);
    siliconRows->addRow(QStringLiteral("Z"), sbxSiZ);

    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                           Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(total);
    layout->addWidget(silicon);
    layout->addWidget(buttonBox);

    setTabOrder(sbxTotalWidth, sbxTotalLength);
    setTabOrder(sbxTotalLength, sbxTotalHeight);
    setTabOrder(sbxTotalHeight, sbxSiWidth);
    setTabOrder(sbxSiWidth, sbxSiLength);
    setTabOrder(sbxSiLength, sbxSiHeight);
    setTabOrder(sbxSiHeight, sbxSiX);
    setTabOrder(sbxSiX, sbxSiY);
    setTabOrder(sbxSiY, sbxSiZ);
    setTabOrder(sbxSiZ, buttonBox);

    updateLimits(0);
    for (QSpinBox* box : {sbxTotalWidth, sbxTotalLength, sbxTotalHeight, sbxSiWidth, sbxSiLength,
                          sbxSiHeight, sbxSiX, sbxSiY, sbxSiZ})
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this,
                &MixedAutomatonLoaderDialog::updateLimits);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void MixedAutomatonLoaderDialog::updateLimits(int value)
{
    (void)value;
    sbxSiWidth->setMaximum(sbxTotalWidth->value());
    sbxSiLength->setMaximum(sbxTotalLength->value());
    sbxSiHeight->setMaximum(sbxTotalHeight->value());
    sbxSiX->setMaximum(sbxTotalWidth->value() - sbxSiWidth->value());
    sbxSiY->setMaximum(sbxTotalLength->value() - sbxSiLength->value());
    sbxSiZ->setMaximum(sbxTotalHeight->value() - sbxSiHeight->value());
}

int MixedAutomatonLoaderDialog::totalWidth() const { return sbxTotalWidth->value(); }
int MixedAutomatonLoaderDialog::totalLength() const { return sbxTotalLength->value(); }
int MixedAutomatonLoaderDialog::totalHeight() const { return sbxTotalHeight->value(); }
int MixedAutomatonLoaderDialog::siWidth() const { return sbxSiWidth->value(); }
int MixedAutomatonLoaderDialog::siLength() const { return sbxSiLength->value(); }
int MixedAutomatonLoaderDialog::siHeight() const { return sbxSiHeight->value(); }
int MixedAutomatonLoaderDialog::siX() const { return sbxSiX->value(); }
int MixedAutomatonLoaderDialog::siY() const { return sbxSiY->value(); }
int MixedAutomatonLoaderDialog::siZ() const { return sbxSiZ->value(); }

} // namespace Ui
