#include "multiautomataetcherform.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "../Automata/SiEtch/multiautomataetcher.h"
#include "Interaction/framesource.h"

namespace Ui {

MultiAutomataEtcherForm::MultiAutomataEtcherForm(Automata::SiEtch::MultiAutomataEtcher* etcher,
                                                 QWidget* parent)
    : QDialog(parent), etcher(etcher)
{
    setObjectName(QStringLiteral("MultiAutomataEtcherOptionsForm"));
    setWindowTitle(QStringLiteral("Multi Automata Options"));
    auto* automaton = new QComboBox(this);
    automaton->setObjectName(QStringLiteral("cmbAutomaton"));
    automaton->addItems({QStringLiteral("BCA Anisotropic Wet Etch"), QStringLiteral("DRIE"),
                         QStringLiteral("Isotropic Etch"), QStringLiteral("CCA Anisotropic Wet Etch")});
    btnRemoveMask = new QPushButton(QStringLiteral("Remove Masking Material"), this);
    btnRemoveMask->setObjectName(QStringLiteral("btnRemoveMask"));

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Current automaton:"), this));
    row->addWidget(automaton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(btnRemoveMask);

    connect(automaton, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MultiAutomataEtcherForm::changeAutomaton);
    connect(btnRemoveMask, &QPushButton::clicked, this, &MultiAutomataEtcherForm::removeMaskingMaterial);
}

void MultiAutomataEtcherForm::changeAutomaton(int index)
{
    etcher->select(index);
}

void MultiAutomataEtcherForm::removeMaskingMaterial()
{
    etcher->removeMask();
    btnRemoveMask->setEnabled(false);
    Interaction::requestFrame();
}

} // namespace Ui
