#include "renderinfo.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Ui {

namespace {
QString trText(const char* text)
{
    return QCoreApplication::translate("RenderInfo", text);
}
} // namespace

RenderInfo::RenderInfo(bool renderingEnabled, unsigned int updateInterval, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RenderInfo"));
    setWindowTitle(trText("Rendering Options"));
    resize(400, 150);

    chkEnableRendering = new QCheckBox(trText("Enable Rendering"), this);
    chkEnableRendering->setObjectName(QStringLiteral("chkEnableRendering"));
    lblAutomaticInterval = new QLabel(trText("Automatic update interval"), this);
    lblAutomaticInterval->setObjectName(QStringLiteral("lblAutomaticInterval"));
    sbxAutomaticUpdate = new QSpinBox(this);
    sbxAutomaticUpdate->setObjectName(QStringLiteral("sbxAutomaticUpdate"));
    sbxAutomaticUpdate->setRange(1, 2000000000);
    sbxAutomaticUpdate->setSuffix(trText(" steps"));
    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                           Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto* intervalRow = new QHBoxLayout;
    intervalRow->addWidget(lblAutomaticInterval);
    intervalRow->addWidget(sbxAutomaticUpdate);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkEnableRendering);
    layout->addLayout(intervalRow);
    layout->addWidget(buttonBox);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(chkEnableRendering, &QCheckBox::toggled, sbxAutomaticUpdate, &QWidget::setEnabled);
    connect(chkEnableRendering, &QCheckBox::toggled, lblAutomaticInterval, &QWidget::setEnabled);

    chkEnableRendering->setChecked(renderingEnabled);
    sbxAutomaticUpdate->setEnabled(renderingEnabled);
    lblAutomaticInterval->setEnabled(renderingEnabled);
    sbxAutomaticUpdate->setValue(static_cast<int>(qMin(updateInterval, 2000000000u)));
}

bool RenderInfo::isRenderingEnabled() const
{
    return chkEnableRendering->isChecked();
}

unsigned int RenderInfo::getUpdateInterval() const
{
    return static_cast<unsigned int>(sbxAutomaticUpdate->value());
}

} // namespace Ui
