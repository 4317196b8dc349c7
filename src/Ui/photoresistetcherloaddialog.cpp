#include "photoresistetcherloaddialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "Interaction/interaction.h"
#include "Persistence/imagefiles.h"

namespace Ui {

PhotoresistEtcherLoadDialog::PhotoresistEtcherLoadDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PhotoresistEtcherLoadDialog"));
    setWindowTitle(QStringLiteral("Dialog"));

    auto* lblMask = new QLabel(QStringLiteral("Mask"), this);
    lieMask = new QLineEdit(this);
    lieMask->setObjectName(QStringLiteral("lieMask"));
    lblMask->setBuddy(lieMask);
    tbtMask = new QToolButton(this);
    tbtMask->setObjectName(QStringLiteral("tbtMask"));
    tbtMask->setText(QStringLiteral("..."));

    auto* lblPhotoresist = new QLabel(QStringLiteral("Photoresist"), this);
    rbtPositive = new QRadioButton(QStringLiteral("Positive"), this);
    rbtPositive->setObjectName(QStringLiteral("rbtPositive"));
    rbtPositive->setChecked(true);
    rbtNegative = new QRadioButton(QStringLiteral("Negative"), this);
    rbtNegative->setObjectName(QStringLiteral("rbtNegative"));

    auto* lblDepth = new QLabel(QStringLiteral("Depth"), this);
    sbxDepth = new QSpinBox(this);
    sbxDepth->setObjectName(QStringLiteral("sbxDepth"));
    sbxDepth->setRange(1, 9999);
    sbxDepth->setSingleStep(1);
    sbxDepth->setValue(200);
    lblDepth->setBuddy(sbxDepth);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto* maskRow = new QHBoxLayout;
    maskRow->addWidget(lieMask, 1);
    maskRow->addWidget(tbtMask);
    auto* polarityRow = new QHBoxLayout;
    polarityRow->addWidget(rbtPositive);
    polarityRow->addWidget(rbtNegative);
    polarityRow->addStretch();
    auto* fields = new QGridLayout;
    fields->addWidget(lblMask, 0, 0);
    fields->addLayout(maskRow, 0, 1);
    fields->addWidget(lblPhotoresist, 1, 0);
    fields->addLayout(polarityRow, 1, 1);
    fields->addWidget(lblDepth, 2, 0);
    fields->addWidget(sbxDepth, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttonBox);

    connect(tbtMask, &QToolButton::clicked, this, &PhotoresistEtcherLoadDialog::getFilename);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString PhotoresistEtcherLoadDialog::maskPath() const
{
    return lieMask->text();
}

int PhotoresistEtcherLoadDialog::polarity() const
{
    return rbtPositive->isChecked() ? 1 : 0;
}

int PhotoresistEtcherLoadDialog::depth() const
{
    return sbxDepth->value();
}

void PhotoresistEtcherLoadDialog::getFilename()
{
    const QString name = Interaction::interaction().openFileName(
        this, QStringLiteral("Select Mask"), Persistence::ImageFiles::examplesFolder(),
        Persistence::ImageFiles::filter());
    if (!name.isEmpty())
        lieMask->setText(name);
}

} // namespace Ui
