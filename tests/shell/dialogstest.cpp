#include <gtest/gtest.h>

#include <limits>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
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

template <typename W>
W* child(QWidget& dialog, const char* name)
{
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

} // namespace

TEST(RunInfoForm, LimitFieldsFollowTheCheckBox)
{
    RunInfoForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Set number of steps"));
    EXPECT_EQ(form.size(), QSize(300, 150));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.windowModality(), Qt::WindowModal);
    auto* check = child<QCheckBox>(form, "limitStepsCheckBox");
    auto* label = child<QLabel>(form, "maxStepsLabel");
    auto* spin = child<QSpinBox>(form, "maxStepsSpinBox");
    auto* ok = child<QPushButton>(form, "okButton");
    ASSERT_TRUE(check && label && spin && ok);
    EXPECT_EQ(check->text(), QStringLiteral("Limit the number of steps"));
    EXPECT_EQ(label->text(), QStringLiteral("Number of steps"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(spin->minimum(), 1);
    EXPECT_EQ(spin->maximum(), 1000000000);
    EXPECT_EQ(spin->value(), 500);
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(label->isEnabled());
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_EQ(form.getMaxSteps(), -1);

    check->setChecked(true);
    EXPECT_TRUE(label->isEnabled());
    EXPECT_TRUE(spin->isEnabled());
    EXPECT_EQ(form.getMaxSteps(), 500);
    check->setChecked(false);
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_EQ(form.getMaxSteps(), -1);
}

TEST(RenderInfo, StartsFromTheCurrentSettingsAndTheCheckBoxEnablesTheInterval)
{
    Ui::RenderInfo off(false, 7);
    EXPECT_EQ(off.windowTitle(), QStringLiteral("Rendering Options"));
    EXPECT_EQ(off.size(), QSize(400, 150));
    auto* check = child<QCheckBox>(off, "chkEnableRendering");
    auto* label = child<QLabel>(off, "lblAutomaticInterval");
    auto* spin = child<QSpinBox>(off, "sbxAutomaticUpdate");
    ASSERT_TRUE(check && label && spin);
    EXPECT_EQ(check->text(), QStringLiteral("Enable Rendering"));
    EXPECT_EQ(label->text(), QStringLiteral("Automatic update interval"));
    EXPECT_EQ(spin->suffix(), QStringLiteral(" steps"));
    EXPECT_EQ(spin->minimum(), 1);
    EXPECT_EQ(spin->maximum(), 2000000000);
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_FALSE(label->isEnabled());
    EXPECT_EQ(off.getUpdateInterval(), 7u);
    check->setChecked(true);
    EXPECT_TRUE(spin->isEnabled());
    EXPECT_TRUE(label->isEnabled());
    EXPECT_TRUE(off.isRenderingEnabled());

    Ui::RenderInfo on(true, 1);
    EXPECT_TRUE(on.isRenderingEnabled());
    EXPECT_TRUE(child<QSpinBox>(on, "sbxAutomaticUpdate")->isEnabled());
}

TEST(SaveIntervalDialog, ShowsTheIntervalAndAcceptsOnlyPositiveWholeNumbers)
{
    TestSupport::ScriptedScope script;
    Ui::SaveIntervalDialog dialog(12);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dialog"));
    EXPECT_EQ(dialog.size(), QSize(400, 90));
    auto* line = child<QLineEdit>(dialog, "linInterval");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(child<QLabel>(dialog, "lblSaveInterval")->text(), QStringLiteral("Save interval"));
    EXPECT_EQ(line->text(), QStringLiteral("12"));
    EXPECT_EQ(dialog.getInterval(), 12u);

    script->addSetting("linInterval", "2147483647");
    EXPECT_EQ(Input::interaction().exec(&dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.getInterval(), 2147483647u);

    // The validator keeps out what is not a number; what it lets through as
    // unfinished input does not close the dialog.
    line->setText(QStringLiteral("0"));
    EXPECT_EQ(Input::interaction().exec(&dialog), QDialog::Rejected);
    line->setText(QString());
    EXPECT_EQ(Input::interaction().exec(&dialog), QDialog::Rejected);
}

TEST(SetViewAngleDialog, ThreeAnglesFromMinusToPlus360)
{
    Ui::SetViewAngleDialog dialog;
    EXPECT_EQ(dialog.objectName(), QStringLiteral("SetViewAngleForm"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Viewing Angle"));
    EXPECT_EQ(dialog.size(), QSize(400, 237));
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Angle X Axis")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Angle Y Axis")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Angle Z Axis")));
    const QList<QDoubleSpinBox*> boxes = dialog.findChildren<QDoubleSpinBox*>();
    ASSERT_EQ(boxes.size(), 3);
    for (QDoubleSpinBox* box : boxes) {
        EXPECT_EQ(box->minimum(), -360.0);
        EXPECT_EQ(box->maximum(), 360.0);
        EXPECT_EQ(box->decimals(), 2);
        EXPECT_EQ(box->value(), 0.0);
    }
    child<QDoubleSpinBox>(dialog, "dsbAngleY")->setValue(-45.5);
    child<QDoubleSpinBox>(dialog, "dsbAngleZ")->setValue(400);
    EXPECT_EQ(dialog.getAngleX(), 0.0);
    EXPECT_EQ(dialog.getAngleY(), -45.5);
    EXPECT_EQ(dialog.getAngleZ(), 360.0);
}

TEST(SimpleDataInputDialog, DefaultsAndClampsBelowItsMinimums)
{
    Ui::SimpleDataInputDialog dialog;
    EXPECT_EQ(dialog.objectName(), QStringLiteral("SimpleDataInputDialogForm"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dialog"));
    EXPECT_EQ(dialog.size(), QSize(400, 300));
    EXPECT_EQ(dialog.getCellSize(), 1.0);
    EXPECT_EQ(dialog.getTimeStepDuration(), 1.0);
    EXPECT_EQ(dialog.getRate(), 1.0);

    child<QDoubleSpinBox>(dialog, "dsbCellSize")->setValue(0.0000001);
    child<QDoubleSpinBox>(dialog, "dsbTimeStepDuration")->setValue(0.000001);
    child<QDoubleSpinBox>(dialog, "dsbRate")->setValue(-3.0);
    EXPECT_DOUBLE_EQ(dialog.getCellSize(), 0.000001);
    EXPECT_DOUBLE_EQ(dialog.getTimeStepDuration(), 0.00001);
    EXPECT_DOUBLE_EQ(dialog.getRate(), 0.00001);

    child<QDoubleSpinBox>(dialog, "dsbRate")->setValue(2e9);
    EXPECT_DOUBLE_EQ(dialog.getRate(), 1e9);
    for (QDoubleSpinBox* box : dialog.findChildren<QDoubleSpinBox*>())
        EXPECT_EQ(box->decimals(), 6);
}

TEST(SelectNeighborhoodSizeDialog, AcceptedUnchangedGivesTwoAndTwo)
{
    TestSupport::ScriptedScope script;
    Ui::SelectNeighborhoodSizeDialog dialog;
    EXPECT_EQ(dialog.objectName(), QStringLiteral("SelectNeighborhoodSizeForm"));
    EXPECT_EQ(dialog.size(), QSize(400, 104));
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
    QStyleOptionViewItem option;

    QWidget* editor = delegate.createEditor(&parent, option, model.index(0, 0));
    auto* box = qobject_cast<QDoubleSpinBox*>(editor);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parent(), &parent);
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

TEST(AboutDialog, FormTitleSizeAndAnEightPointRichTextLabel)
{
    AboutDialog dialog;
    EXPECT_EQ(dialog.objectName(), QStringLiteral("AboutForm"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(dialog.size(), QSize(400, 170));
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->font().pointSize(), 8);
    EXPECT_EQ(labels[0]->textFormat(), Qt::RichText);
}
