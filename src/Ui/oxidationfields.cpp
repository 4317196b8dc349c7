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

void OxidationFields::addHeading(QFormLayout* layout, const QString& text)
{
    layout->addRow(new QLabel(text));
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addRow(line);
}

} // namespace Ui
