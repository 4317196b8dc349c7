#include "distancecounting3dfilmdepositiondialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "../Automata/FilmDeposition/distancecountingfilmdeposition3d.h"
#include "Interaction/framesource.h"

namespace Ui {

namespace {

QFrame* horizontalLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

DistanceCounting3DFilmDepositionDialog::DistanceCounting3DFilmDepositionDialog(
    Automata::FilmDeposition::DistanceCountingFilmDeposition3D* automaton, QWidget* parent)
    : QDialog(parent), automaton(automaton)
{
    setObjectName(QStringLiteral("DistanceCounting3DFilmDepositionDialog"));
    setWindowTitle(QStringLiteral("Dialog"));

    btnGenerateSurface = new QPushButton(QStringLiteral("Generate Surface"), this);
    btnGenerateSurface->setObjectName(QStringLiteral("btnGenerateSurface"));

    auto* lblVisualization = new QLabel(QStringLiteral("Visualization"), this);
    auto* lblFilm = new QLabel(QStringLiteral("Film"), this);
    auto* lblType = new QLabel(QStringLiteral("Type"), this);
    auto* lblThickness = new QLabel(QStringLiteral("Thickness"), this);

    cbxFilm = new QComboBox(this);
    cbxFilm->setObjectName(QStringLiteral("cbxFilm"));
    cbxFilm->addItems({QStringLiteral("Olive Film"), QStringLiteral("Green Film"),
                       QStringLiteral("Blue Film"), QStringLiteral("Purple Film")});
    lblType->setBuddy(cbxFilm);

    dsbThickness = new QDoubleSpinBox(this);
    dsbThickness->setObjectName(QStringLiteral("dsbThickness"));
    dsbThickness->setDecimals(3);
    dsbThickness->setRange(1.0, 1000.0);
    // The model's own thickness, so that the box shows what is in force and
    // any other value is a change.
    if (automaton)
        dsbThickness->setValue(automaton->getThickness());
    lblThickness->setBuddy(dsbThickness);

    auto* heading = new QHBoxLayout;
    heading->addWidget(horizontalLine(this), 1);
    heading->addWidget(lblVisualization);
    heading->addWidget(horizontalLine(this), 1);
    auto* fields = new QGridLayout;
    fields->addWidget(lblType, 0, 0);
    fields->addWidget(cbxFilm, 0, 1);
    fields->addWidget(lblThickness, 1, 0);
    fields->addWidget(dsbThickness, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(btnGenerateSurface);
    layout->addLayout(heading);
    layout->addWidget(lblFilm);
    layout->addLayout(fields);

    connect(btnGenerateSurface, &QPushButton::clicked, this,
            &DistanceCounting3DFilmDepositionDialog::generateSurface);
    connect(cbxFilm, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DistanceCounting3DFilmDepositionDialog::filmChanged);
    connect(dsbThickness, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &DistanceCounting3DFilmDepositionDialog::thicknessChanged);
}

void DistanceCounting3DFilmDepositionDialog::generateSurface()
{
    if (!automaton)
        return;
    automaton->regenerateSurfaces();
    // The view draws the surfaces on its next frame; ask for one now so the
    // button shows its effect even while no model runs.
    Interaction::requestFrame();
}

void DistanceCounting3DFilmDepositionDialog::filmChanged(int i)
{
    if (automaton && i >= 0)
        automaton->setFilmState(i + Automata::FilmDeposition::DistanceCountingFilmDeposition3D::firstFilmState);
}

void DistanceCounting3DFilmDepositionDialog::thicknessChanged(double t)
{
    if (automaton)
        automaton->setThickness(t);
}

} // namespace Ui
