#include "runinfoform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

RunInfoForm::RunInfoForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RunInfoForm"));
    setWindowTitle(QCoreApplication::translate("RunInfoForm", "Set number of steps"));
    setFixedSize(300, 150);
    setWindowModality(Qt::WindowModal);

    limitStepsCheckBox =
        new QCheckBox(QCoreApplication::translate("RunInfoForm", "Limit the number of steps"), this);
    limitStepsCheckBox->setObjectName(QStringLiteral("limitStepsCheckBox"));
    maxStepsLabel = new QLabel(QCoreApplication::translate("RunInfoForm", "Number of steps"), this);
    maxStepsLabel->setObjectName(QStringLiteral("maxStepsLabel"));
    maxStepsSpinBox = new QSpinBox(this);
    maxStepsSpinBox->setObjectName(QStringLiteral("maxStepsSpinBox"));
    maxStepsSpinBox->setRange(1, 1000000000);
    maxStepsSpinBox->setValue(500);
    okButton = new QPushButton(QCoreApplication::translate("RunInfoForm", "OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);

    maxStepsLabel->setEnabled(false);
    maxStepsSpinBox->setEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(limitStepsCheckBox, 0, 0, 1, 2);
    layout->addWidget(maxStepsLabel, 1, 0);
    layout->addWidget(maxStepsSpinBox, 1, 1);
    layout->addWidget(okButton, 2, 1, Qt::AlignRight);

    connect(limitStepsCheckBox, &QCheckBox::stateChanged, this, &RunInfoForm::limitStepsChanged);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);
}

int RunInfoForm::getMaxSteps() const
{
    return limitStepsCheckBox->isChecked() ? maxStepsSpinBox->value() : -1;
}

void RunInfoForm::limitStepsChanged(int state)
{
    const bool limited = state == Qt::Checked;
    maxStepsLabel->setEnabled(limited);
    maxStepsSpinBox->setEnabled(limited);
}
