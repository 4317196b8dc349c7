#include "oxidationfields.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>

namespace Ui {

QDoubleSpinBox* OxidationFields::addSpinBox(QFormLayout* layout, const QString& objectName,
                                            const QString& richLabel, double minimum,
                                            double maximum, double singleStep, double value)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(objectName);
    box->setDecimals(4);
    box->setRange(minimum, maximum);
    box->setSingleStep(singleStep);
    box->setValue(value);
    auto* label = new QLabel(richLabel);
    label->setTextFormat(Qt::RichText);
    label->setBuddy(box);
    layout->addRow(label, box);
    return box;
}

OxidationFields::AutomatonFields OxidationFields::addAutomatonFields(QFormLayout* layout,
                                                                    Order order)
{
    const Automata::FilmDeposition::OxidationAutomaton2D::Parameters defaults;
    AutomatonFields fields{};
    const auto addCellSize = [&] {
        fields.cellSize = addSpinBox(layout, QStringLiteral("cellSizeSpinBox"),
                                     QStringLiteral("Cell Size (&micro;m)"), 0.0001, 9999.0, 0.001,
                                     defaults.cellSize);
    };
    if (order == Order::CellSizeFirst)
        addCellSize();
    fields.growthRate = addSpinBox(layout, QStringLiteral("growthRateSpinBox"),
                                   QStringLiteral("Growth Rate (&micro;m / hr)"), 0.0001, 9999.0,
                                   0.001, defaults.growthRate);
    if (order == Order::GrowthRateFirst)
        addCellSize();
    fields.stepDuration = addSpinBox(layout, QStringLiteral("stepDurationSpinBox"),
                                     QStringLiteral("Step Duration (hr)"), 0.0001, 9999.0, 0.001,
                                     defaults.timeStep);
    fields.lateralSpeedup = addSpinBox(layout, QStringLiteral("lateralSpeedupSpinBox"),
                                       QStringLiteral("Lateral Speedup"), 0.0, 100000.0, 0.001,
                                       defaults.lateralSpeedup);
    return fields;
}

void OxidationFields::AutomatonFields::read(
    Automata::FilmDeposition::OxidationAutomaton2D::Parameters& parameters) const
{
    parameters.growthRate = static_cast<float>(growthRate->value());
    parameters.cellSize = static_cast<float>(cellSize->value());
    parameters.timeStep = static_cast<float>(stepDuration->value());
    parameters.lateralSpeedup = static_cast<float>(lateralSpeedup->value());
}

void OxidationFields::addHeading(QFormLayout* layout, const QString& text)
{
    layout->addRow(new QLabel(text));
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addRow(line);
}

} // namespace Ui
