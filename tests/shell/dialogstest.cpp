#include <gtest/gtest.h>

#include <limits>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
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

TEST(RunInfoForm, CheckBoxEnablesTheLimit)
{
    RunInfoForm form;
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.windowModality(), Qt::WindowModal);
    EXPECT_TRUE(child<QPushButton>(form, "okButton")->isDefault());
    auto* check = child<QCheckBox>(form, "limitStepsCheckBox");
    for (bool on : {false, true, false}) {
        check->setChecked(on);
        EXPECT_EQ(child(form, "maxStepsLabel")->isEnabled(), on);
        EXPECT_EQ(child(form, "maxStepsSpinBox")->isEnabled(), on);
        EXPECT_EQ(form.getMaxSteps(), on ? 500 : -1);
    }
}

TEST(RenderInfo, StartsFromTheCurrentSettingsAndTheCheckBoxEnablesTheInterval)
{
    Ui::RenderInfo off(false, 7);
    EXPECT_FALSE(off.isRenderingEnabled());
    EXPECT_EQ(off.getUpdateInterval(), 7u);
    for (bool on : {false, true}) {
        child<QCheckBox>(off, "chkEnableRendering")->setChecked(on);
        EXPECT_EQ(child(off, "lblAutomaticInterval")->isEnabled(), on);
        EXPECT_EQ(child(off, "sbxAutomaticUpdate")->isEnabled(), on);
        EXPECT_EQ(off.isRenderingEnabled(), on);
    }
    Ui::RenderInfo on(true, 1);
    EXPECT_TRUE(on.isRenderingEnabled());
    EXPECT_TRUE(child(on, "sbxAutomaticUpdate")->isEnabled());
}

TEST(SaveIntervalDialog, AcceptsOnlyPositiveWholeNumbers)
{
    TestSupport::ScriptedScope script;
    Ui::SaveIntervalDialog dialog(12);
    auto* line = child<QLineEdit>(dialog, "linInterval");
    EXPECT_EQ(line->text(), QStringLiteral("12"));
    EXPECT_EQ(dialog.getInterval(), 12u);
    script->addSetting("linInterval", "2147483647");
    EXPECT_EQ(Input::interaction().exec(&dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.getInterval(), 2147483647u);

    // What the validator lets through as unfinished input does not close the dialog.
    for (const QString& text : {QStringLiteral("0"), QString()}) {
        line->setText(text);
        EXPECT_EQ(Input::interaction().exec(&dialog), QDialog::Rejected) << text.toStdString();
    }
}

TEST(SetViewAngleDialog, GettersReadTheirOwnAxisClampedTo360)
{
    Ui::SetViewAngleDialog dialog;
    child<QDoubleSpinBox>(dialog, "dsbAngleY")->setValue(-45.5);
    child<QDoubleSpinBox>(dialog, "dsbAngleZ")->setValue(400);
    EXPECT_EQ(dialog.getAngleX(), 0.0);
    EXPECT_EQ(dialog.getAngleY(), -45.5);
    EXPECT_EQ(dialog.getAngleZ(), 360.0);
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
    ASSERT_EQ(Input::interaction().exec(&dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.getSizeX(), 2);
    EXPECT_EQ(dialog.getSizeY(), 2);
    script->addSetting("sbxSizeY", "5");
    ASSERT_EQ(Input::interaction().exec(&dialog), QDialog::Accepted);
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
