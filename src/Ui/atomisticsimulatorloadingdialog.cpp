#include "atomisticsimulatorloadingdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "Interaction/interaction.h"
#include "Persistence/imagefiles.h"

namespace Ui {

namespace {

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSpinBox* lengthBox(const char* name, QWidget* parent)
{
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(4, 999999999);
    box->setValue(300);
    return box;
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

AtomisticSimulatorLoadingDialog::AtomisticSimulatorLoadingDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AtomisticSimulatorLoadingDialog"));
    setWindowTitle(QStringLiteral("Dialog"));
    resize(400, 295);

    rbSingleSided = named(new QRadioButton(QStringLiteral("Single Side Etching"), this), "rbSingleSided");
    rbDoubleSided = named(new QRadioButton(QStringLiteral("Double Sided Etching"), this), "rbDoubleSided");
    rbSphere = named(new QRadioButton(QStringLiteral("Sphere"), this), "rbSphere");
    rbSingleSided->setChecked(true);
    leTopMask = named(new QLineEdit(this), "leTopMask");
    btnTopMask = named(new QPushButton(QStringLiteral("..."), this), "btnTopMask");
    leBottomMask = named(new QLineEdit(this), "leBottomMask");
    btnBottomMask = named(new QPushButton(QStringLiteral("..."), this), "btnBottomMask");
    sbDepth = lengthBox("sbDepth", this);
    sbDiameter = lengthBox("sbDiameter", this);
    auto* buttonBox = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                                 Qt::Horizontal, this),
                            "buttonBox");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Top "), this), 0, 0);
    grid->addWidget(leTopMask, 0, 1);
    grid->addWidget(btnTopMask, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Bottom"), this), 1, 0);
    grid->addWidget(leBottomMask, 1, 1);
    grid->addWidget(btnBottomMask, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Depth"), this), 2, 0);
    grid->addWidget(sbDepth, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Diameter"), this), 3, 0);
    grid->addWidget(sbDiameter, 3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(QStringLiteral("Substrate Options"), this));
    auto* substrate = new QVBoxLayout;
    substrate->addWidget(rbSingleSided);
    substrate->addWidget(rbDoubleSided);
    substrate->addWidget(rbSphere);
    layout->addLayout(substrate);
    layout->addWidget(heading(QStringLiteral("Masking Material"), this));
    layout->addLayout(grid);
    layout->addWidget(buttonBox);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnTopMask, &QPushButton::clicked, this, &AtomisticSimulatorLoadingDialog::chooseTopMaskingFile);
    connect(btnBottomMask, &QPushButton::clicked, this,
            &AtomisticSimulatorLoadingDialog::chooseBottomMaskingFile);
    // Toggled rather than clicked, so a choice made by a script switches too.
    const auto onChecked = [this](QRadioButton* button, void (AtomisticSimulatorLoadingDialog::*slot)()) {
        connect(button, &QRadioButton::toggled, this, [this, slot](bool checked) {
            if (checked)
                (this->*slot)();
        });
    };
    onChecked(rbSingleSided, &AtomisticSimulatorLoadingDialog::switchSingleSided);
    onChecked(rbDoubleSided, &AtomisticSimulatorLoadingDialog::switchDoubleSided);
    onChecked(rbSphere, &AtomisticSimulatorLoadingDialog::switchSphere);
    switchSingleSided();
}

AtomisticSimulatorLoadingDialog::Mode AtomisticSimulatorLoadingDialog::mode() const
{
    if (rbSphere->isChecked())
        return Sphere;
    return rbDoubleSided->isChecked() ? DoubleSided : SingleSided;
}

QString AtomisticSimulatorLoadingDialog::topMaskFile() const
{
    return leTopMask->text();
}

QString AtomisticSimulatorLoadingDialog::bottomMaskFile() const
{
    return leBottomMask->text();
}

int AtomisticSimulatorLoadingDialog::depth() const
{
    return sbDepth->value();
}

int AtomisticSimulatorLoadingDialog::diameter() const
{
    return sbDiameter->value();
}

void AtomisticSimulatorLoadingDialog::chooseFile(QLineEdit* field)
{
    const QString name = Interaction::interaction().openFileName(
        this, QStringLiteral("Open Image"), Persistence::ImageFiles::examplesFolder(),
        Persistence::ImageFiles::filter());
    if (!name.isEmpty())
        field->setText(name);
}

void AtomisticSimulatorLoadingDialog::chooseTopMaskingFile()
{
    chooseFile(leTopMask);
}

void AtomisticSimulatorLoadingDialog::chooseBottomMaskingFile()
{
    chooseFile(leBottomMask);
}

void AtomisticSimulatorLoadingDialog::enableFields(bool top, bool bottom, bool depth, bool diameter)
{
    leTopMask->setEnabled(top);
    btnTopMask->setEnabled(top);
    leBottomMask->setEnabled(bottom);
    btnBottomMask->setEnabled(bottom);
    sbDepth->setEnabled(depth);
    sbDiameter->setEnabled(diameter);
}

void AtomisticSimulatorLoadingDialog::switchSingleSided()
{
    enableFields(true, false, true, false);
}

void AtomisticSimulatorLoadingDialog::switchDoubleSided()
{
    enableFields(true, true, true, false);
}

void AtomisticSimulatorLoadingDialog::switchSphere()
{
    enableFields(false, false, false, true);
}

} // namespace Ui
