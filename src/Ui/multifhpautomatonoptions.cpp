#include "multifhpautomatonoptions.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "Interaction/interaction.h"
#include "Persistence/imagefiles.h"

namespace Ui {

namespace {

QSpinBox* addSpinBox(QFormLayout* form, const QString& name, const QString& label, int minimum,
                     int maximum, int value)
{
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setSingleStep(1);
    box->setValue(value);
    form->addRow(label, box);
    return box;
}

QLabel* heading(const QString& text)
{
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

MultiFhpAutomatonOptions::MultiFhpAutomatonOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MultiFhpAutomatonOptionsDialog"));
    setWindowTitle(QStringLiteral("Dialog"));

    initialStateEdit = new QLineEdit;
    initialStateEdit->setObjectName(QStringLiteral("initialStateLineEdit"));
    initialStateButton = new QPushButton(QStringLiteral("..."));
    initialStateButton->setObjectName(QStringLiteral("initialStateButton"));
    connect(initialStateButton, &QPushButton::clicked, this,
            &MultiFhpAutomatonOptions::setInitialStateFilename);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(initialStateEdit);
    fileRow->addWidget(initialStateButton);

    auto* options = new QFormLayout;
    options->addRow(QStringLiteral("Initial State"), fileRow);
    scaleFactorBox = addSpinBox(options, QStringLiteral("scaleFactorSpinBox"),
                                QStringLiteral("Scale Factor"), 1, 1000, 10);
    automataToRunBox = addSpinBox(options, QStringLiteral("automataToRunSpinBox"),
                                  QStringLiteral("Automata to Run"), 1, 200, 1);
    stepsToAverageBox = addSpinBox(options, QStringLiteral("stepsToAverageSpinBox"),
                                   QStringLiteral("Steps to Average"), 1, 200, 10);

    auto* acceleration = new QFormLayout;
    stripWidthBox = addSpinBox(acceleration, QStringLiteral("stripWidthSpinBox"),
                               QStringLiteral("Strip Width"), 1, 999999999, 50);
    switchProbabilityBox = new QDoubleSpinBox;
    switchProbabilityBox->setObjectName(QStringLiteral("switchProbabilitySpinBox"));
    switchProbabilityBox->setDecimals(4);
    switchProbabilityBox->setRange(0.0, 1.0);
    switchProbabilityBox->setSingleStep(0.0001);
    switchProbabilityBox->setValue(0.5);
    acceleration->addRow(QStringLiteral("Switch Probability"), switchProbabilityBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(QStringLiteral("Options")));
    layout->addLayout(options);
    layout->addWidget(heading(QStringLiteral("Acceleration Options")));
    layout->addLayout(acceleration);
    layout->addWidget(buttons);
}

QString& MultiFhpAutomatonOptions::rememberedFolder()
{
    static QString folder = Persistence::ImageFiles::examplesFolder();
    return folder;
}

void MultiFhpAutomatonOptions::setInitialStateFilename()
{
    const QString name = Interaction::interaction().openFileName(
        this, QStringLiteral("Select image"), rememberedFolder(), Persistence::ImageFiles::filter());
    if (name.isEmpty())
        return;
    initialStateEdit->setText(name);
    rememberedFolder() = QFileInfo(name).absolutePath();
}

QString MultiFhpAutomatonOptions::initialStateFilename() const
{
    return initialStateEdit->text();
}

int MultiFhpAutomatonOptions::scaleFactor() const
{
    return scaleFactorBox->value();
}

int MultiFhpAutomatonOptions::automataToRun() const
{
    return automataToRunBox->value();
}

int MultiFhpAutomatonOptions::stepsToAverage() const
{
    return stepsToAverageBox->value();
}

int MultiFhpAutomatonOptions::stripWidth() const
{
    return stripWidthBox->value();
}

float MultiFhpAutomatonOptions::switchProbability() const
{
    return static_cast<float>(switchProbabilityBox->value());
}

} // namespace Ui
