#include "mixedautomatonoptionsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "../Automata/MixedAutomata/mixedautomatonmanager.h"
#include "Interaction/framesource.h"
#include "Interaction/interaction.h"
#include "Persistence/imagefiles.h"
#include "Persistence/imagegrids.h"

namespace Ui {

namespace {

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const char* name, const char* text, QWidget* parent)
{
    return named(new QPushButton(QString::fromLatin1(text), parent), name);
}

QToolButton* chooser(const char* name, QWidget* parent)
{
    auto* tool = named(new QToolButton(parent), name);
    tool->setText(QStringLiteral("..."));
    return tool;
}

} // namespace

MixedAutomatonOptionsDialog::MixedAutomatonOptionsDialog(
    QWidget* parent, Automata::MixedAutomata::MixedAutomatonManager* manager)
    : QDialog(parent), manager(manager)
{
    setObjectName(QStringLiteral("MixedAutomatonOptionsDialog"));
    setWindowTitle(QStringLiteral("Mixed Automaton Options"));

    auto* cbxOperation = named(new QComboBox(this), "cbxOperation");
    cbxOperation->setToolTip(QStringLiteral("Choose the operation to be carried out"));
    cbxOperation->addItems({QStringLiteral("Si Wet Etch (BCA)"), QStringLiteral("Film Deposition (Moore)"),
                            QStringLiteral("Film Etching (Moore)"),
                            QStringLiteral("Photolithography (Straight)")});
    auto* cbxFilm = named(new QComboBox(this), "cbxFilm");
    cbxFilm->setToolTip(QStringLiteral("Choose the current film to be etched/deposited."));
    for (int film = 1; film <= 15; ++film)
        cbxFilm->addItem(QStringLiteral("Film %1").arg(film, 2, 10, QLatin1Char('0')));

    auto* masks = new QLabel(QStringLiteral("Masks"), this);
    masks->setToolTip(QStringLiteral("Masks used for photolithography"));
    lieTopMask = named(new QLineEdit(this), "lieTopMask");
    QToolButton* tbtTopMask = chooser("tbtTopMask", this);
    QPushButton* btnApplyTopMask = button("btnApplyTopMask", "Apply", this);
    QPushButton* btnRemoveTopMask = button("btnRemoveTopMask", "Remove", this);
    lieBottomMask = named(new QLineEdit(this), "lieBottomMask");
    QToolButton* tbtBottomMask = chooser("tbtBottomMask", this);
    QPushButton* btnApplyBottomMask = button("btnApplyBottomMask", "Apply", this);
    QPushButton* btnRemoveBottomMask = button("btnRemoveBottomMask", "Remove", this);

    auto* visualization = new QGroupBox(QStringLiteral("Visualization"), this);
    auto* chkRenderSiAtoms =
        named(new QCheckBox(QStringLiteral("Render Si as atoms"), visualization), "chkRenderSiAtoms");
    auto* chkRenderEmptyVoxels =
        named(new QCheckBox(QStringLiteral("Render empty voxels"), visualization), "chkRenderEmptyVoxels");
    auto* checks = new QVBoxLayout(visualization);
    checks->addWidget(chkRenderSiAtoms);
    checks->addWidget(chkRenderEmptyVoxels);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Current Operation"), this), 0, 0);
    grid->addWidget(cbxOperation, 0, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Current Film"), this), 1, 0);
    grid->addWidget(cbxFilm, 1, 1, 1, 4);
    grid->addWidget(masks, 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Top Mask"), this), 3, 0);
    grid->addWidget(lieTopMask, 3, 1);
    grid->addWidget(tbtTopMask, 3, 2);
    grid->addWidget(btnApplyTopMask, 3, 3);
    grid->addWidget(btnRemoveTopMask, 3, 4);
    grid->addWidget(new QLabel(QStringLiteral("Bottom Mask"), this), 4, 0);
    grid->addWidget(lieBottomMask, 4, 1);
    grid->addWidget(tbtBottomMask, 4, 2);
    grid->addWidget(btnApplyBottomMask, 4, 3);
    grid->addWidget(btnRemoveBottomMask, 4, 4);
    grid->addWidget(visualization, 5, 0, 1, 5);

    using Dialog = MixedAutomatonOptionsDialog;
    connect(cbxOperation, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Dialog::operationChanged);
    connect(cbxFilm, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Dialog::currentFilmChanged);
    connect(btnApplyBottomMask, &QPushButton::clicked, this, &Dialog::applyBottomMask);
    connect(btnApplyTopMask, &QPushButton::clicked, this, &Dialog::applyTopMask);
    connect(btnRemoveBottomMask, &QPushButton::clicked, this, &Dialog::removeBottomMask);
    connect(btnRemoveTopMask, &QPushButton::clicked, this, &Dialog::removeTopMask);
    connect(tbtBottomMask, &QToolButton::clicked, this, &Dialog::chooseBottomMaskFile);
    connect(tbtTopMask, &QToolButton::clicked, this, &Dialog::chooseTopMaskFile);
    connect(chkRenderSiAtoms, &QCheckBox::toggled, this, &Dialog::setRenderSiAtoms);
    connect(chkRenderEmptyVoxels, &QCheckBox::toggled, this, &Dialog::setRenderEmptyVoxels);
}

QString MixedAutomatonOptionsDialog::bottomMaskFailure()
{
    return QStringLiteral("Bottom mask not found error!<br/>Please verify if the filename is correct "
                          "and you have the correct permissions.");
}

QString MixedAutomatonOptionsDialog::topMaskFailure()
{
    return QStringLiteral("Top Mask file not found!<br/>Please verify the filename is correct and you "
                          "have the correct permissions.");
}

void MixedAutomatonOptionsDialog::operationChanged(int newOperation)
{
    if (newOperation >= 0)
        manager->setOperation(static_cast<unsigned>(newOperation));
}

void MixedAutomatonOptionsDialog::currentFilmChanged(int newFilm)
{
    if (newFilm >= 0)
        manager->setCurrentFilm(static_cast<unsigned>(newFilm + 3));
}

template <typename Setter>
void MixedAutomatonOptionsDialog::applyMask(const QLineEdit* field, const QString& failureText,
                                            Setter setter)
{
    QString failure;
    const QImage image = Persistence::ImageFiles::read(field->text(), &failure);
    if (image.isNull()) {
        Interaction::interaction().warning(this, QString(), failureText);
        if (!failure.isEmpty())
            Interaction::interaction().note(field->text() + QStringLiteral(": ") + failure);
        return;
    }
    const Persistence::Grid<unsigned char> mask = Persistence::ImageGrids::redMask(image);
    setter(manager->processState(), mask.data(), static_cast<std::uint32_t>(mask.width()),
           static_cast<std::uint32_t>(mask.height()));
    Interaction::requestFrame();
}

void MixedAutomatonOptionsDialog::applyBottomMask()
{
    applyMask(lieBottomMask, bottomMaskFailure(),
              [](auto& state, const unsigned char* bytes, std::uint32_t w, std::uint32_t h) {
                  state.setBottomMask(bytes, w, h);
              });
}

void MixedAutomatonOptionsDialog::applyTopMask()
{
    applyMask(lieTopMask, topMaskFailure(),
              [](auto& state, const unsigned char* bytes, std::uint32_t w, std::uint32_t h) {
                  state.setTopMask(bytes, w, h);
              });
}

void MixedAutomatonOptionsDialog::removeBottomMask()
{
    manager->processState().clearBottomMask();
    Interaction::requestFrame();
}

void MixedAutomatonOptionsDialog::removeTopMask()
{
    manager->processState().clearTopMask();
    Interaction::requestFrame();
}

void MixedAutomatonOptionsDialog::chooseMaskFile(QLineEdit* field)
{
    const QString name = Interaction::interaction().openFileName(
        this, QStringLiteral("Choose Mask File"), QString(), Persistence::ImageFiles::filter());
    if (!name.isEmpty())
        field->setText(name);
}

void MixedAutomatonOptionsDialog::chooseBottomMaskFile()
{
    chooseMaskFile(lieBottomMask);
}

void MixedAutomatonOptionsDialog::chooseTopMaskFile()
{
    chooseMaskFile(lieTopMask);
}

void MixedAutomatonOptionsDialog::setRenderSiAtoms(bool value)
{
    manager->getManagerPainter().setRenderSiAtoms(value);
    Interaction::requestFrame();
}

void MixedAutomatonOptionsDialog::setRenderEmptyVoxels(bool value)
{
    manager->getManagerPainter().setRenderEmptyVoxels(value);
    Interaction::requestFrame();
}

} // namespace Ui
