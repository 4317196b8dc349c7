#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QToolBar>

#include "Ui/doubledelegate.h"
#include "Ui/renderinfo.h"
#include "Ui/saveintervaldialog.h"
#include "Ui/selectneighborhoodsizedialog.h"
#include "Ui/setviewangledialog.h"
#include "Ui/simpledatainputdialog.h"
#include "aboutdialog.h"
#include "batch/dialogdescriber.h"
#include "mainwindow.h"
#include "runinfoform.h"
#include "testsupport.h"

namespace {

template <typename W = QWidget>
W* child(QWidget& dialog, const char* name)
{
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

} // namespace

// The main window's toolbar, then its dialogs and the common ones as
// lithoscope-batch --describe lists an entry's.
TEST(ShellDialogs, ToolbarAndDialogsAreAsListed)
{
    MainWindow window;
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("toolBar"));
    ASSERT_NE(toolBar, nullptr);
    QStringList shown{QLatin1Char('[') + window.windowTitle() + QLatin1Char(']')};
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator())
            shown << QStringLiteral("-");
        else if (auto* list = qobject_cast<QComboBox*>(toolBar->widgetForAction(action)))
            shown << QStringLiteral("catalogue list of %1, %2 first").arg(list->count()).arg(list->currentText());
        else
            shown << TestSupport::listed(QStringList{action->objectName(), action->text(),
                                                     action->toolTip() == action->text() ? QString() : action->toolTip(),
                                                     action->isCheckable() ? QStringLiteral("checkable") : QString()}
                                             .join(QLatin1Char('\t')));
    }
    RunInfoForm runInfo;
    Ui::RenderInfo render(false, 7);
    Ui::SaveIntervalDialog saveInterval(12);
    Ui::SetViewAngleDialog viewAngle;
    Ui::SimpleDataInputDialog dataInput;
    Ui::SelectNeighborhoodSizeDialog neighborhood;
    AboutDialog about;
    for (QWidget* dialog : std::initializer_list<QWidget*>{&runInfo, &render, &saveInterval, &viewAngle, &dataInput,
                                                         &neighborhood, &about})
        for (const QString& line : Batch::DialogDescriber::describe(dialog))
            shown << TestSupport::listed(line);
    EXPECT_EQ(shown, TestSupport::listing(QStringLiteral("shell/shell.txt")));
}

TEST(ShellDialogs, CheckBoxEnablesItsLabelAndSpinBox)
{
    RunInfoForm runInfo;
    Ui::RenderInfo render(true, 7);
    EXPECT_TRUE(child(render, "sbxAutomaticUpdate")->isEnabled());
    for (bool on : {false, true, false}) {
        child<QCheckBox>(runInfo, "limitStepsCheckBox")->setChecked(on);
        child<QCheckBox>(render, "chkEnableRendering")->setChecked(on);
        for (const char* name : {"maxStepsLabel", "maxStepsSpinBox"})
            EXPECT_EQ(child(runInfo, name)->isEnabled(), on) << name;
        for (const char* name : {"lblAutomaticInterval", "sbxAutomaticUpdate"})
            EXPECT_EQ(child(render, name)->isEnabled(), on) << name;
    }
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

    box->setValue(7.0);
    delegate.setEditorData(box, model.index(0, 0));
    EXPECT_EQ(box->value(), 0.0);
    delegate.setEditorData(box, model.index(1, 0));
    EXPECT_EQ(box->value(), 2.5);

    // Within the delegate's range and to its five decimals.
    box->setValue(-12345.67891);
    delegate.setModelData(box, &model, model.index(0, 0));
    const QVariant stored = model.data(model.index(0, 0), Qt::EditRole);
    EXPECT_EQ(stored.userType(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(stored.toDouble(), -12345.67891);
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
