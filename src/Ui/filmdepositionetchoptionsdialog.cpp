#include "filmdepositionetchoptionsdialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "../Automata/MixedAutomata/simplefilmetchdeposimulator3d.h"
#include "Interaction/framesource.h"
#include "Interaction/interaction.h"
#include "Persistence/imagefiles.h"
#include "Persistence/imagegrids.h"

namespace Ui {

namespace {

QPushButton* button(const char* name, const QString& text, QWidget* parent)
{
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    return pushButton;
}

} // namespace

FilmDepositionEtchOptionsDialog::FilmDepositionEtchOptionsDialog(
    Automata::MixedAutomata::SimpleFilmEtchDepoSimulator3D* automaton, QWidget* parent)
    : QDialog(parent), automaton(automaton)
{
    setObjectName(QStringLiteral("FilmDepositionEtchOptionsDialog"));
    setWindowTitle(QStringLiteral("Dialog"));

    cbxFilmType = new QComboBox(this);
    cbxFilmType->setObjectName(QStringLiteral("cbxFilmType"));
    cbxFilmType->addItems({QStringLiteral("Oxide"), QStringLiteral("Film 1"), QStringLiteral("Film 2"),
                           QStringLiteral("Film 3"), QStringLiteral("Film 4")});
    rbtEtch = new QRadioButton(QStringLiteral("Etch"), this);
    rbtEtch->setObjectName(QStringLiteral("rbtEtch"));
    auto* rbtDeposit = new QRadioButton(QStringLiteral("Deposit"), this);
    rbtDeposit->setObjectName(QStringLiteral("rbtDeposit"));
    rbtDeposit->setChecked(true);
    QPushButton* btnGenerateSurface = button("btnGenerateSurface", QStringLiteral("Generate Surface"), this);
    lieMaskingMaterial = new QLineEdit(this);
    lieMaskingMaterial->setObjectName(QStringLiteral("lieMaskingMaterial"));
    auto* tbtMaskingMaterial = new QToolButton(this);
    tbtMaskingMaterial->setObjectName(QStringLiteral("tbtMaskingMaterial"));
    tbtMaskingMaterial->setText(QStringLiteral("..."));
    QPushButton* btnApplyMask = button("btnApplyMask", QStringLiteral("Apply"), this);
    QPushButton* btnRemoveMask = button("btnRemoveMask", QStringLiteral("Remove"), this);
    QPushButton* btnMakeFilmTransparent =
        button("btnMakeFilmTransparent", QStringLiteral("Make Film Transparent"), this);
    QPushButton* btnMakeFilmOpaque = button("btnMakeFilmOpaque", QStringLiteral("Make Film Opaque"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Film Type:"), this), 0, 0);
    grid->addWidget(cbxFilmType, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Operation:"), this), 1, 0);
    grid->addWidget(rbtEtch, 1, 1);
    grid->addWidget(rbtDeposit, 1, 2);
    grid->addWidget(btnGenerateSurface, 2, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Masking Material:"), this), 3, 0);
    auto* maskFile = new QHBoxLayout;
    maskFile->addWidget(lieMaskingMaterial);
    maskFile->addWidget(tbtMaskingMaterial);
    grid->addLayout(maskFile, 3, 1, 1, 3);
    grid->addWidget(btnApplyMask, 4, 1);
    grid->addWidget(btnRemoveMask, 4, 2);
    grid->addWidget(new QLabel(QStringLiteral("Visualization:"), this), 5, 0);
    grid->addWidget(btnMakeFilmTransparent, 5, 1);
    grid->addWidget(btnMakeFilmOpaque, 5, 2);

    connect(cbxFilmType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &FilmDepositionEtchOptionsDialog::changeFilm);
    connect(rbtEtch, &QRadioButton::toggled, this, &FilmDepositionEtchOptionsDialog::changeOperation);
    connect(btnGenerateSurface, &QPushButton::clicked, this, &FilmDepositionEtchOptionsDialog::createSurface);
    connect(tbtMaskingMaterial, &QToolButton::clicked, this,
            &FilmDepositionEtchOptionsDialog::chooseMaskingMaterialFile);
    connect(btnApplyMask, &QPushButton::clicked, this, &FilmDepositionEtchOptionsDialog::applyMaskingMaterial);
    connect(btnRemoveMask, &QPushButton::clicked, this, &FilmDepositionEtchOptionsDialog::removeMaskingMaterial);
    connect(btnMakeFilmTransparent, &QPushButton::clicked, this,
            &FilmDepositionEtchOptionsDialog::makeFilmTransparent);
    connect(btnMakeFilmOpaque, &QPushButton::clicked, this, &FilmDepositionEtchOptionsDialog::makeFilmOpaque);
}

QString FilmDepositionEtchOptionsDialog::maskFailure()
{
    return QStringLiteral("File not found error!</br>Please verify if the filename is correct and you "
                          "have the correct permission.");
}

void FilmDepositionEtchOptionsDialog::changeFilm(int index)
{
    automaton->setCurrentFilm(static_cast<std::uint32_t>(index + 2));
}

void FilmDepositionEtchOptionsDialog::changeOperation(bool value)
{
    (void)value;
    automaton->setEtching(rbtEtch->isChecked());
}

void FilmDepositionEtchOptionsDialog::createSurface()
{
    automaton->regenerateSurfaces();
    // The view draws the surfaces on its next frame; ask for one now so the
    // button shows its effect even while no model runs.
    Interaction::requestFrame();
}

void FilmDepositionEtchOptionsDialog::chooseMaskingMaterialFile()
{
    const QString name = Interaction::interaction().openFileName(
        this, QStringLiteral("Choose Mask File"), Persistence::ImageFiles::examplesFolder(),
        Persistence::ImageFiles::filter());
    if (!name.isEmpty())
        lieMaskingMaterial->setText(name);
}

void FilmDepositionEtchOptionsDialog::applyMaskingMaterial()
{
    QString failure;
    const QImage image = Persistence::ImageFiles::read(lieMaskingMaterial->text(), &failure);
    if (image.isNull()) {
        Interaction::interaction().warning(this, QString(), maskFailure());
        if (!failure.isEmpty())
            Interaction::interaction().note(lieMaskingMaterial->text() + QStringLiteral(": ") + failure);
        return;
    }
    const Persistence::Grid<unsigned char> mask = Persistence::ImageGrids::redMask(image);
    automaton->setMask(mask.data(), mask.width(), mask.height());
    Interaction::requestFrame();
}

void FilmDepositionEtchOptionsDialog::removeMaskingMaterial()
{
    automaton->clearMask();
    Interaction::requestFrame();
}

void FilmDepositionEtchOptionsDialog::makeFilmTransparent()
{
    automaton->setOpaque(false);
    Interaction::requestFrame();
}

void FilmDepositionEtchOptionsDialog::makeFilmOpaque()
{
    automaton->setOpaque(true);
    Interaction::requestFrame();
}

} // namespace Ui
