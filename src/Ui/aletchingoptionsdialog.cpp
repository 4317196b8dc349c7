#include "aletchingoptionsdialog.h"

#include <algorithm>
#include <cmath>

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace Ui {

namespace {

QDoubleSpinBox* numberBox(const char* name, double minimum, double maximum, double value,
                          double step, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(2);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setValue(value);
    return box;
}

QSlider* ratioSlider(const char* name, QWidget* parent)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setRange(0, 100);
    slider->setValue(10);
    return slider;
}

} // namespace

AlEtchingOptionsDialog::AlEtchingOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Dialog"));
    sldCorrosiveCells = ratioSlider("sldCorrosiveCells", this);
    dblCorrosiveCells = numberBox("dblCorrosiveCells", 0.0, 100.0, 10.0, 0.1, this);
    sldNonCorrosiveCells = ratioSlider("sldNonCorrosiveCells", this);
    dblNonCorrosiveCells = numberBox("dblNonCorrosiveCells", 0.0, 100.0, 10.0, 0.1, this);
    dblEtchProbability = numberBox("dblEtchProbability", 0.0, 1.0, 0.5, 0.1, this);
    dblIR = numberBox("dblIR", 0.0, 1.0, 0.0, 0.01, this);
    dblScaleConstant = numberBox("dblScaleConstant", 0.01, 1e9, 100.0, 1.0, this);
    dblElectroMigration = numberBox("dblElectroMigration", 0.0, 100.0, 0.0, 1.0, this);

    auto* grid = new QGridLayout;
    const auto row = [&](const QString& text, QWidget* slider, QWidget* box) {
        const int r = grid->rowCount();
        grid->addWidget(new QLabel(text, this), r, 0);
        if (slider)
            grid->addWidget(slider, r, 1);
        grid->addWidget(box, r, 2);
    };
    row(QStringLiteral("Ratio of Corrosive Cells"), sldCorrosiveCells, dblCorrosiveCells);
    row(QStringLiteral("Ratio of Non-Corrosive Cells"), sldNonCorrosiveCells, dblNonCorrosiveCells);
    row(QStringLiteral("Etch Probability"), nullptr, dblEtchProbability);
    row(QStringLiteral("Ohmic Drop Factor (IR)"), nullptr, dblIR);
    row(QStringLiteral("Scale Constant"), nullptr, dblScaleConstant);
    row(QStringLiteral("Electromigration (%)"), nullptr, dblElectroMigration);
    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttonBox);

    connect(sldCorrosiveCells, &QSlider::valueChanged, this,
            &AlEtchingOptionsDialog::on_sldCorrosiveCells_valueChanged);
    connect(sldNonCorrosiveCells, &QSlider::valueChanged, this,
            &AlEtchingOptionsDialog::on_sldNonCorrosiveCells_valueChanged);
    connect(dblCorrosiveCells, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &AlEtchingOptionsDialog::on_dblCorrosiveCells_valueChanged);
    connect(dblNonCorrosiveCells, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &AlEtchingOptionsDialog::on_dblNonCorrosiveCells_valueChanged);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

Automata::NanoTubes::AlEtching::Parameters AlEtchingOptionsDialog::parameters() const
{
    Automata::NanoTubes::AlEtching::Parameters p;
    p.fractionA = dblCorrosiveCells->value() / 100.0;
    p.fractionB = dblNonCorrosiveCells->value() / 100.0;
    p.etchProbability = dblEtchProbability->value();
    p.ohmicFactor = dblIR->value();
    // The scale divides the height: below 1 it would stop all etching.
    p.scaleConstant = std::max(1, static_cast<int>(dblScaleConstant->value()));
    p.electroMigration = dblElectroMigration->value() / 100.0;
    return p;
}

void AlEtchingOptionsDialog::on_sldCorrosiveCells_valueChanged(int value)
{
    // A slider moved by hand sets its box; a box that moved the slider keeps
    // its own, finer value.
    if (static_cast<int>(std::lround(dblCorrosiveCells->value())) != value)
        dblCorrosiveCells->setValue(value);
}

void AlEtchingOptionsDialog::on_sldNonCorrosiveCells_valueChanged(int value)
{
    if (static_cast<int>(std::lround(dblNonCorrosiveCells->value())) != value)
        dblNonCorrosiveCells->setValue(value);
}

void AlEtchingOptionsDialog::on_dblCorrosiveCells_valueChanged(double value)
{
    ratioChanged(value, sldCorrosiveCells, dblNonCorrosiveCells);
}

void AlEtchingOptionsDialog::on_dblNonCorrosiveCells_valueChanged(double value)
{
    ratioChanged(value, sldNonCorrosiveCells, dblCorrosiveCells);
}

void AlEtchingOptionsDialog::ratioChanged(double value, QSlider* slider, QDoubleSpinBox* other)
{
    {
        const QSignalBlocker blocker(slider);
        slider->setValue(static_cast<int>(std::lround(value)));
    }
    if (value + other->value() > 100.0)
        other->setValue(100.0 - value);
}

} // namespace Ui
