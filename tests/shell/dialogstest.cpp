#include <gtest/gtest.h>

#include <limits>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include "Ui/doubledelegate.h"
#include "Ui/renderinfo.h"
#include "Ui/saveintervaldialog.h"
#include "Ui/selectneighborhoodsizedialog.h"
#include "Ui/setviewangledialog.h"
#include "Ui/simpledatainputdialog.h"
#include "aboutdialog.h"
#include "runinfoform.h"
#include "testsupport.h"

namespace {

template <typename W = QWidget>
W* child(QWidget& dialog, const char* name)
{
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

// The texts of a dialog's labels and buttons.
QStringList textsOf(QWidget& dialog)
{
    QStringList texts;
    for (QWidget* widget : dialog.findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget))
            texts << widget->property("text").toString();
    return texts;
}

} // namespace

TEST(ShellDialogs, FormsTitlesSizesTextsAndInputRanges)
{
    RunInfoForm runInfo;
    Ui::RenderInfo render(false, 7);
    Ui::SaveIntervalDialog saveInterval(12);
    Ui::SetViewAngleDialog viewAngle;
    Ui::SimpleDataInputDialog dataInput;
    Ui::SelectNeighborhoodSizeDialog neighborhood;
    AboutDialog about;
    const struct {
        QDialog* dialog;
        const char *form, *title;
        QSize size;
        QStringList texts;
    } dialogs[] = {
        {&runInfo, nullptr, "Set number of steps", {300, 150},
         {"Limit the number of steps", "Number of steps", "OK"}},
        {&render, nullptr, "Rendering Options", {400, 150},
         {"Enable Rendering", "Automatic update interval"}},
        {&saveInterval, nullptr, "Dialog", {400, 90}, {"Save interval"}},
        {&viewAngle, "SetViewAngleForm", "Set Viewing Angle", {400, 237},
         {"Angle X Axis", "Angle Y Axis", "Angle Z Axis"}},
        {&dataInput, "SimpleDataInputDialogForm", "Dialog", {400, 300},
         {"Cell Size", "Time Step Duration", "Rate"}},
        {&neighborhood, "SelectNeighborhoodSizeForm", "Dialog", {400, 104},
         {"Neighborhood Size X", "Neighborhood Size Y"}},
        {&about, "AboutForm", "About", {400, 170}, {}},
    };
    for (const auto& d : dialogs) {
        if (d.form) {
            EXPECT_EQ(d.dialog->objectName(), QString::fromLatin1(d.form));
        }
        EXPECT_EQ(d.dialog->windowTitle(), QString::fromLatin1(d.title));
        EXPECT_EQ(d.dialog->size(), d.size) << d.title;
        const QStringList texts = textsOf(*d.dialog);
        for (const QString& text : d.texts)
            EXPECT_TRUE(texts.contains(text)) << text.toStdString();
    }

    // Decimals 0: a whole-number spin box.
    const struct {
        QDialog* dialog;
        const char* box;
        double minimum, maximum, value;
        int decimals;
    } inputs[] = {
        {&runInfo, "maxStepsSpinBox", 1, 1000000000, 500, 0},
        {&render, "sbxAutomaticUpdate", 1, 2000000000, 7, 0},
        {&viewAngle, "dsbAngleX", -360, 360, 0, 2},
        {&viewAngle, "dsbAngleY", -360, 360, 0, 2},
        {&viewAngle, "dsbAngleZ", -360, 360, 0, 2},
        {&dataInput, "dsbCellSize", 0.000001, 1000000000, 1, 6},
        {&dataInput, "dsbTimeStepDuration", 0.00001, 1000000000, 1, 6},
        {&dataInput, "dsbRate", 0.00001, 1000000000, 1, 6},
        {&neighborhood, "sbxSizeX", 0, 99, 2, 0},
        {&neighborhood, "sbxSizeY", 0, 99, 2, 0},
    };
    for (const auto& input : inputs) {
        QWidget* box = child(*input.dialog, input.box);
        ASSERT_NE(box, nullptr) << input.box;
        EXPECT_DOUBLE_EQ(box->property("minimum").toDouble(), input.minimum) << input.box;
        EXPECT_DOUBLE_EQ(box->property("maximum").toDouble(), input.maximum) << input.box;
        EXPECT_DOUBLE_EQ(box->property("value").toDouble(), input.value) << input.box;
        EXPECT_EQ(box->property("decimals").toInt(), input.decimals) << input.box;
    }
    EXPECT_EQ(child<QSpinBox>(render, "sbxAutomaticUpdate")->suffix(), QStringLiteral(" steps"));
}

TEST(ShellDialogs, CheckBoxEnablesItsLabelAndSpinBox)
{
    RunInfoForm runInfo;
    EXPECT_EQ(runInfo.minimumSize(), runInfo.maximumSize());
    EXPECT_EQ(runInfo.windowModality(), Qt::WindowModal);
    EXPECT_TRUE(child<QPushButton>(runInfo, "okButton")->isDefault());
    Ui::RenderInfo render(false, 7);
    EXPECT_EQ(render.getUpdateInterval(), 7u);
    for (bool on : {false, true, false}) {
        child<QCheckBox>(runInfo, "limitStepsCheckBox")->setChecked(on);
        EXPECT_EQ(child(runInfo, "maxStepsLabel")->isEnabled(), on);
        EXPECT_EQ(child(runInfo, "maxStepsSpinBox")->isEnabled(), on);
        EXPECT_EQ(runInfo.getMaxSteps(), on ? 500 : -1);
        child<QCheckBox>(render, "chkEnableRendering")->setChecked(on);
        EXPECT_EQ(child(render, "lblAutomaticInterval")->isEnabled(), on);
        EXPECT_EQ(child(render, "sbxAutomaticUpdate")->isEnabled(), on);
        EXPECT_EQ(render.isRenderingEnabled(), on);
    }
    Ui::RenderInfo on(true, 1);
    EXPECT_TRUE(on.isRenderingEnabled());
    EXPECT_TRUE(child(on, "sbxAutomaticUpdate")->isEnabled());
}

TEST(SimpleDataInputDialog, ClampsBelowItsMinimums)
{
    Ui::SimpleDataInputDialog dialog;
    for (const char* name : {"dsbCellSize", "dsbTimeStepDuration", "dsbRate"})
        child<QDoubleSpinBox>(dialog, name)->setValue(-3.0);
    EXPECT_DOUBLE_EQ(dialog.getCellSize(), 0.000001);
    EXPECT_DOUBLE_EQ(dialog.getTimeStepDuration(), 0.00001);
    EXPECT_DOUBLE_EQ(dialog.getRate(), 0.00001);
}

TEST(SelectNeighborhoodSizeDialog, AcceptedUnchangedGivesTwoAndTwo)
{
    TestSupport::ScriptedScope script;
    Ui::SelectNeighborhoodSizeDialog dialog;
    ASSERT_EQ(Interaction::interaction().exec(&dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.getSizeX(), 2);
    EXPECT_EQ(dialog.getSizeY(), 2);
    script->addSetting("sbxSizeY", "5");
    ASSERT_EQ(Interaction::interaction().exec(&dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.getSizeX(), 2);
    EXPECT_EQ(dialog.getSizeY(), 5);
}

TEST(DoubleDelegate, EditsCellsAsNumbersAndOpensTextAtZero)
{
    const double largest = std::numeric_limits<double>::max();
    Ui::DoubleDelegate delegate(nullptr, largest, -largest, 5);
    QStandardItemModel model(2, 1);
    model.setData(model.index(0, 0), QStringLiteral("not a number"));
    model.setData(model.index(1, 0), QStringLiteral("2.5"));
    QWidget parent;
    auto* box = qobject_cast<QDoubleSpinBox*>(
        delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0)));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->maximum(), largest);
    EXPECT_EQ(box->minimum(), -largest);
    EXPECT_EQ(box->decimals(), 5);

    box->setValue(7.0);
    delegate.setEditorData(box, model.index(0, 0));
    EXPECT_EQ(box->value(), 0.0);
    delegate.setEditorData(box, model.index(1, 0));
    EXPECT_EQ(box->value(), 2.5);

    box->setValue(-1.25);
    delegate.setModelData(box, &model, model.index(0, 0));
    const QVariant stored = model.data(model.index(0, 0), Qt::EditRole);
    EXPECT_EQ(stored.userType(), QMetaType::Double);
    EXPECT_EQ(stored.toDouble(), -1.25);
}

TEST(AboutDialog, EightPointRichTextInNeutralWords)
{
    AboutDialog dialog;
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->font().pointSize(), 8);
    EXPECT_EQ(labels[0]->textFormat(), Qt::RichText);
    for (const char* part :
         {"the Lithoscope developers", "without warranty", "LGPL", "2.1", "https://www.qt.io"})
        EXPECT_TRUE(labels[0]->text().contains(QLatin1String(part))) << part;
}
