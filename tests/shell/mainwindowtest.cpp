#include <gtest/gtest.h>

#include <cmath>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>

#include "glwidget.h"
#include "shellsupport.h"
#include "testsupport.h"

using ShellTest::TestModel;
using ShellTest::drainEvents;
using ShellTest::processUntil;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    QAction* action(const char* name)
    {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    // Loads a model of the test's own through the window's Load.
    TestModel* load(TestModel* model = new TestModel(4, 4))
    {
        window.setFactory([model](int, QWidget*) { return model; });
        window.load();
        return model;
    }
    // Run, answering the step-limit form with the limit (0: unlimited).
    void startRun(int limit)
    {
        script->addSetting("limitStepsCheckBox", limit > 0 ? "true" : "false");
        if (limit > 0)
            script->addSetting("maxStepsSpinBox", QString::number(limit));
        action("actionRun")->trigger();
    }
    QString status() { return window.statusBar()->currentMessage(); }

    TestSupport::ScriptedScope script;
    MainWindow window;
};

} // namespace

TEST_F(MainWindowTest, RunsStepExactlyRepaintAtTheUpdateIntervalShowTheTimeAndCancelledOptionsChangeNothing)
{
    window.show();
    TestModel* model = load();
    drainEvents();
    // A form that changed what is drawn asks the seam's view for a frame.
    model->paintedAt.clear();
    Interaction::requestFrame();
    EXPECT_EQ(model->paintedAt, (std::vector<int>{0}));
    model->paintedAt.clear();
    action("actionRunStep")->trigger();
    EXPECT_EQ(model->paintedAt, (std::vector<int>{1}));
    EXPECT_EQ(status(), QStringLiteral("Current time: 1 steps"));

    startRun(3);
    drainEvents();
    EXPECT_EQ(model->steps, 1 + 3);
    EXPECT_EQ(model->paintedAt, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(status(), QStringLiteral("Current time: 4 steps"));

    script->addSetting("sbxAutomaticUpdate", "4");
    action("actionRendering")->trigger();
    ASSERT_EQ(window.getRenderInterval(), 4u);
    model->paintedAt.clear();
    startRun(10);
    drainEvents();
    EXPECT_EQ(model->steps, 4 + 10);
    EXPECT_EQ(model->paintedAt, (std::vector<int>{4 + 4, 4 + 8}));
    EXPECT_EQ(status(), QStringLiteral("Current time: 14 steps"));

    // A model that keeps the time every model starts with.
    struct PlainTimeModel : TestModel {
        PlainTimeModel() : TestModel(2, 2) {}
        double getTime() override { return Automata::Automaton::getTime(); }
        std::string getTimeInfo() override { return Automata::Automaton::getTimeInfo(); }
    };
    load(new PlainTimeModel);
    action("actionRunStep")->trigger();
    EXPECT_EQ(status(), QStringLiteral("Current time: 0"));

    // The rendering options take effect on OK only.
    script->addSetting("chkEnableRendering", "false");
    action("actionRendering")->trigger();
    ASSERT_FALSE(window.getGLWidget()->isRenderingEnabled());
    script->addSetting("chkEnableRendering", "true");
    script->addSetting("sbxAutomaticUpdate", "3");
    script->rejectNextDialog();
    action("actionRendering")->trigger();
    EXPECT_FALSE(window.getGLWidget()->isRenderingEnabled());
    EXPECT_EQ(window.getRenderInterval(), 4u);
}

// Screen archivers and forms reach the window's view through the seam (the
// frame requested above); a window that is gone leaves no view behind for
// later models.
TEST(MainWindowView, GoesWithTheWindow)
{
    TestSupport::ScriptedScope script;
    delete new MainWindow;
    EXPECT_EQ(Interaction::frameSource(), nullptr);
}

TEST_F(MainWindowTest, SelectedEntryIsBuiltOnlyByLoadAndAFailedLoadKeepsTheModel)
{
    // Without a model, Save, Run Step and Run do nothing; the real factory's
    // entry 0 with its file dialog cancelled builds nothing.
    action("actionSave")->trigger();
    action("actionRunStep")->trigger();
    startRun(3);
    drainEvents();
    action("actionLoad")->trigger();
    ASSERT_EQ(window.getAutomaton(), nullptr);

    TestModel* model = load();
    startRun(6);
    QCoreApplication::processEvents();
    window.findChild<QComboBox*>()->setCurrentIndex(12);
    drainEvents();
    EXPECT_EQ(window.getAutomaton(), model);
    EXPECT_EQ(model->steps, 6);

    int askedFor = -1;
    window.setFactory([&](int index, QWidget* parent) -> Automata::Automaton* {
        askedFor = index;
        EXPECT_EQ(parent, &window);
        return nullptr;
    });
    action("actionLoad")->trigger();
    EXPECT_EQ(askedFor, 12);
    EXPECT_EQ(window.getAutomaton(), model);
    EXPECT_EQ(window.getGLWidget()->getPainter(), model->getPainter());
}

// Save and Load hold the model's lock while their dialogs run nested event
// loops that deliver the run's queued step.
TEST_F(MainWindowTest, RunQueuedDuringADialogUnderTheLockNeitherBlocksNorStepsTheOldModel)
{
    TestModel* first = load();
    int stepsDuringDialog = -1;
    auto dialog = [&] {
        const int before = first->steps;
        drainEvents(5);
        stepsDuringDialog = first->steps - before;
    };
    // A load whose loader runs a dialog and then builds the model given.
    auto loadThroughDialog = [&](Automata::Automaton* built) {
        stepsDuringDialog = -1;
        window.setFactory([&dialog, built](int, QWidget*) {
            dialog();
            return built;
        });
        window.load();
        EXPECT_EQ(stepsDuringDialog, 0);
    };
    startRun(20);
    QCoreApplication::processEvents();
    first->insideSave = dialog;
    action("actionSave")->trigger();
    EXPECT_EQ(stepsDuringDialog, 0);

    // A cancelled load leaves the run going.
    loadThroughDialog(nullptr);
    drainEvents(100);
    EXPECT_EQ(first->steps, 20);

    startRun(0);
    ASSERT_TRUE(processUntil([&] { return first->steps >= 22; }));
    const int aliveBefore = TestModel::alive;
    auto* second = new TestModel(4, 4);
    loadThroughDialog(second);
    EXPECT_EQ(window.getAutomaton(), second);
    EXPECT_EQ(TestModel::alive, aliveBefore); // the first model is gone
    drainEvents();
    // Load ended the run: the new model waits for Run, with saving off.
    EXPECT_EQ(second->steps, 0);
    EXPECT_EQ(second->saveAllCalls.back(), std::make_pair(false, 1));
}

TEST_F(MainWindowTest, StepThatOpensADialogIsNeverReentered)
{
    TestModel* model = load();
    bool reentered = false;
    bool dialogShown = false;
    model->insideStep = [&] {
        reentered = reentered || model->steps - model->finishedSteps > 1;
        if (dialogShown)
            return;
        dialogShown = true;
        // As a series-name dialog would: while it is open the user presses Run
        // Step, and another run() arrives.
        QMetaObject::invokeMethod(&window, "run", Qt::QueuedConnection);
        window.runStep();
        drainEvents(5);
    };
    startRun(3);
    drainEvents();
    EXPECT_TRUE(dialogShown);
    EXPECT_FALSE(reentered);
    EXPECT_EQ(model->steps, 3);
}

TEST_F(MainWindowTest, ReplacedModelsFormsAreClosedButTheNewModelsStay)
{
    QPointer<QWidget> forms[2];
    int loads = 0;
    window.setFactory([&](int, QWidget*) -> Automata::Automaton* {
        forms[loads] = new QWidget;
        Interaction::interaction().showForm(forms[loads++]);
        return new TestModel(4, 4);
    });
    window.load();
    ASSERT_FALSE(forms[0].isNull());
    window.load();
    EXPECT_TRUE(forms[0].isNull());
    ASSERT_FALSE(forms[1].isNull());

    window.setFactory([](int, QWidget*) -> Automata::Automaton* { return nullptr; });
    window.load();
    EXPECT_FALSE(forms[1].isNull());
}

TEST_F(MainWindowTest, SaveAllAsksForAPositiveIntervalAndCancelUnchecks)
{
    TestModel* model = load();
    QAction* saveAll = action("actionSaveAll");
    // The validator lets these through as unfinished input, which cannot be accepted.
    for (const char* refused : {"0", ""}) {
        script->addSetting("linInterval", refused);
        saveAll->setChecked(true);
        EXPECT_FALSE(saveAll->isChecked()) << refused;
        EXPECT_EQ(model->saveAllCalls.back(), std::make_pair(false, 1));
    }
    script->addSetting("linInterval", "2147483647");
    saveAll->setChecked(true);
    EXPECT_EQ(model->saveAllCalls.back(), std::make_pair(true, 2147483647));
    saveAll->setChecked(false);
    EXPECT_EQ(model->saveAllCalls.back(), std::make_pair(false, 2147483647));

    // The dialog starts from the current interval; Cancel leaves saving off.
    QString shown;
    script->onDialog = [&](QWidget* dialog) {
        shown = dialog->findChild<QLineEdit*>(QStringLiteral("linInterval"))->text();
    };
    script->rejectNextDialog();
    saveAll->setChecked(true);
    EXPECT_EQ(shown, QStringLiteral("2147483647"));
    EXPECT_FALSE(saveAll->isChecked());
    EXPECT_EQ(model->saveAllCalls.back(), std::make_pair(false, 2147483647));
}

TEST_F(MainWindowTest, ViewAxisAndAboutActions)
{
    // qx(90) * qz(180) = (0, 0, -sqrt 1/2, sqrt 1/2); another pairing of boxes
    // and axes gives another turn.
    script->addSetting("dsbAngleX", "90");
    script->addSetting("dsbAngleZ", "180");
    action("actionView")->trigger();
    const ViewCamera& camera = window.getGLWidget()->getCamera();
    ShellTest::expectQuaternion(camera.orientation, 0, 0, -std::sqrt(0.5), std::sqrt(0.5));

    action("actionAxis")->setChecked(true);
    EXPECT_TRUE(camera.showAxis);
    action("actionAxis")->setChecked(false);
    EXPECT_FALSE(camera.showAxis);

    action("actionAbout")->trigger();
    EXPECT_EQ(script->dialogTitles().last(), QStringLiteral("About"));
}

TEST_F(MainWindowTest, PauseAndAnAcceptedCloseEndAnUnlimitedRun)
{
    window.show();
    TestModel* model = load();
    startRun(0);
    ASSERT_TRUE(processUntil([&] { return model->steps >= 5; }));
    action("actionPause")->trigger();
    const int atPause = model->steps;
    drainEvents();
    EXPECT_LE(model->steps, atPause + 1);

    script->setQuestionAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(TestSupport::shown(script->messages()),
              QStringList{QStringLiteral("(warning) Are you sure?: Do you wish to close? All unsaved work will be lost")});

    startRun(0);
    ASSERT_TRUE(processUntil([&] { return model->steps >= atPause + 3; }));
    script->setQuestionAnswer(QMessageBox::Ok);
    EXPECT_TRUE(window.close());
    const int atClose = model->steps;
    drainEvents();
    EXPECT_EQ(model->steps, atClose);
}
