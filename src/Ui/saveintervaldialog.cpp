#include "saveintervaldialog.h"

#include <limits>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace Ui {

SaveIntervalDialog::SaveIntervalDialog(int interval, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaveIntervalDialog"));
    setWindowTitle(QCoreApplication::translate("SaveIntervalDialog", "Dialog"));
    resize(400, 90);

    auto* lblSaveInterval =
        new QLabel(QCoreApplication::translate("SaveIntervalDialog", "Save interval"), this);
    lblSaveInterval->setObjectName(QStringLiteral("lblSaveInterval"));
    linInterval = new QLineEdit(this);
    linInterval->setObjectName(QStringLiteral("linInterval"));
    linInterval->setValidator(new QIntValidator(1, std::numeric_limits<int>::max(), linInterval));
    linInterval->setText(QString::number(interval));
    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                           Qt::Vertical, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));

    auto* fields = new QVBoxLayout;
    fields->addWidget(lblSaveInterval);
    fields->addWidget(linInterval);
    fields->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttonBox);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &SaveIntervalDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

unsigned int SaveIntervalDialog::getInterval() const
{
    return linInterval->text().toUInt();
}

void SaveIntervalDialog::accept()
{
    if (!linInterval->hasAcceptableInput() || getInterval() == 0)
        return;
    QDialog::accept();
}

} // namespace Ui
