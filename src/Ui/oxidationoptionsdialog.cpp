#include "oxidationoptionsdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace Ui {

OxidationOptionsDialog::OxidationOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OxidationOptionsDialogForm"));
    setWindowTitle(QStringLiteral("Dialog"));

    auto* form = new QFormLayout;
    fields = OxidationFields::addAutomatonFields(form, OxidationFields::Order::CellSizeFirst);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

Automata::FilmDeposition::OxidationAutomaton2D::Parameters OxidationOptionsDialog::parameters() const
{
    Automata::FilmDeposition::OxidationAutomaton2D::Parameters values;
    fields.read(values);
    return values;
}

} // namespace Ui
