#include <gtest/gtest.h>

#include <cmath>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <QWidgetAction>

#include "Input/catalogue.h"
#include "glwidget.h"
#include "shellsupport.h"
#include "testsupport.h"

using ShellTest::TestModel;
using ShellTest::drainEvents;
using ShellTest::loadModel;
using ShellTest::processUntil;

namespace {

QAction* action(MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

void startRun(TestSupport::ScriptedScope& script, MainWindow& window, int limit)
{
    if (limit > 0) {
        script->addSetting("limitStepsCheckBox", "true");
        script->addSetting("maxStepsSpinBox", QString::number(limit));
    }
    action(window, "actionRun")->trigger();
}

} // namespace

TEST(MainWindow, ToolbarHoldsTheActionsAndTheCatalogueInOrder)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lithoscope"));
    EXPECT_EQ(window.objectName(), QStringLiteral("MainWindow"));
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(window.centralWidget(), window.getGLWidget());
    EXPECT_EQ(window.statusBar()->objectName(), QStringLiteral("statusBar"));

    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("toolBar"));
    ASSERT_NE(toolBar, nullptr);
    EXPECT_FALSE(toolBar->isMovable());
    EXPECT_FALSE(toolBar->isFloatable());
    EXPECT_EQ(toolBar->allowedAreas(), Qt::TopToolBarArea);
    EXPECT_EQ(toolBar->toolButtonStyle(), Qt::ToolButtonTextOnly);

    struct Expected {
        const char* name;
        const char* text;
        const char* toolTip;
        bool checkable;
    };
    const Expected expected[] = {
        {"actionRun", "Run", "Run automaton", false},
        {"actionPause", "Pause", "Pause automaton.", false},
        {"actionRunStep", "Run Step", "Run a single automaton step.", false},
        {"actionLoad", "Load", "Load a new image.", false},
        {"actionSave", "Save", "Save current image.", false},
        {"actionSaveAll", "Save All", "Save an image for each step.", true},
        {"actionAxis", "Axis", "Display axis. X is red, Y is green and Z is blue.", true},
        {"actionView", "View", "Set the viewing angle.", false},
        {"actionRendering", "Rendering", nullptr, false},
    };
    const QList<QAction*> items = toolBar->actions();
    ASSERT_EQ(items.size(), 13);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(items[i]->objectName(), QString::fromLatin1(expected[i].name));
        EXPECT_EQ(items[i]->text(), QString::fromLatin1(expected[i].text));
        if (expected[i].toolTip) {
            EXPECT_EQ(items[i]->toolTip(), QString::fromLatin1(expected[i].toolTip));
        }
        EXPECT_EQ(items[i]->isCheckable(), expected[i].checkable) << expected[i].name;
    }
    EXPECT_TRUE(items[9]->isSeparator());
    auto* listAction = qobject_cast<QWidgetAction*>(items[10]);
    ASSERT_NE(listAction, nullptr);
    EXPECT_TRUE(items[11]->isSeparator());
    EXPECT_EQ(items[12]->objectName(), QStringLiteral("actionAbout"));
    EXPECT_EQ(items[12]->text(), QStringLiteral("About"));
    EXPECT_EQ(items[12]->toolTip(), QStringLiteral("Info about Lithoscope"));

    auto* list = qobject_cast<QComboBox*>(toolBar->widgetForAction(items[10]));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 46);
    const QStringList labels = Input::Catalogue::labels();
    for (int i = 0; i < 46; ++i)
        EXPECT_EQ(list->itemText(i), labels[i]);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Sand Automaton"));
    EXPECT_EQ(list->itemText(45), QStringLiteral("Ti Oxidation and Etching"));
    EXPECT_EQ(list->currentIndex(), 0);
}

TEST(MainWindow, LimitedRunPerformsExactlyTheStepsAskedFor)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    auto* model = new TestModel(4, 4);
    loadModel(window, model);
    ASSERT_EQ(window.getAutomaton(), model);

    startRun(script, window, 3);
    EXPECT_TRUE(script->dialogTitles().contains(QStringLiteral("Set number of steps")));
    drainEvents();
    EXPECT_EQ(model->steps, 3);
    EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("Current time: 3 steps"));
}

TEST(MainWindow, PauseStopsAnUnlimitedRunAfterAtMostOneStep)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    auto* model = new TestModel(4, 4);
    loadModel(window, model);

    startRun(script, window, 0);
    ASSERT_TRUE(processUntil([&] { return model->steps >= 5; }));
    action(window, "actionPause")->trigger();
    const int atPause = model->steps;
    drainEvents();
    EXPECT_LE(model->steps, atPause + 1);
}

TEST(MainWindow, UpdateIntervalThrottlesRepaints)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    window.show();
    auto* model = new TestModel(4, 4);
    loadModel(window, model);
    drainEvents();

    script->addSetting("sbxAutomaticUpdate", "4");
    action(window, "actionRendering")->trigger();
    ASSERT_EQ(window.getRenderInterval(), 4u);

    model->paintedAt.clear();
    startRun(script, window, 10);
    drainEvents();
    ASSERT_EQ(model->steps, 10);
    EXPECT_EQ(model->paintedAt, (std::vector<int>{4, 8}));
}

TEST(MainWindow, SingleStepRepaintsAndShowsTheTime)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    window.show();
    auto* model = new TestModel(4, 4);
    loadModel(window, model);
    drainEvents();
    model->paintedAt.clear();

    action(window, "actionRunStep")->trigger();
    EXPECT_EQ(model->steps, 1);
    EXPECT_EQ(model->paintedAt, (std::vector<int>{1}));
    EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("Current time: 1 steps"));
}

TEST(MainWindow, CancelledRenderingOptionsChangeNothing)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    script->addSetting("chkEnableRendering", "false");
    script->addSetting("sbxAutomaticUpdate", "7");
    action(window, "actionRendering")->trigger();
    EXPECT_EQ(script->dialogTitles(), QStringList{QStringLiteral("Rendering Options")});
    ASSERT_FALSE(window.getGLWidget()->isRenderingEnabled());
    ASSERT_EQ(window.getRenderInterval(), 7u);

    script->addSetting("chkEnableRendering", "true");
    script->addSetting("sbxAutomaticUpdate", "3");
    script->rejectNextDialog();
    action(window, "actionRendering")->trigger();
    EXPECT_FALSE(window.getGLWidget()->isRenderingEnabled());
    EXPECT_EQ(window.getRenderInterval(), 7u);
    EXPECT_EQ(script->dialogTitles().last(), QStringLiteral("Rendering Options"));
}

TEST(MainWindow, SelectingAnEntryWithoutLoadKeepsTheModelRunning)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    auto* model = new TestModel(4, 4);
    loadModel(window, model);
    startRun(script, window, 6);
    QCoreApplication::processEvents();

    window.findChild<QComboBox*>()->setCurrentIndex(5);
    EXPECT_EQ(window.getCatalogueIndex(), 5);
    drainEvents();
    EXPECT_EQ(window.getAutomaton(), model);
    EXPECT_EQ(model->steps, 6);
}

TEST(MainWindow, LoadPassesTheSelectedIndexAndAFailedLoadKeepsTheModel)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    auto* model = new TestModel(4, 4);
    loadModel(window, model);

    int askedFor = -1;
    window.setFactory([&](int index, QWidget* parent) -> Automata::Automaton* {
        askedFor = index;
        EXPECT_EQ(parent, &window);
        return nullptr;
    });
    window.findChild<QComboBox*>()->setCurrentIndex(12);
    action(window, "actionLoad")->trigger();
    EXPECT_EQ(askedFor, 12);
    EXPECT_EQ(window.getAutomaton(), model);
    EXPECT_EQ(window.getGLWidget()->getPainter(), model->getPainter());
}

TEST(MainWindow, CatalogueEntryWithoutModelLeavesTheWindowEmpty)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    // Entries are served by the real factory; whatever the entry does, a
    // cancelled file dialog builds nothing.
    action(window, "actionLoad")->trigger();
    EXPECT_EQ(window.getAutomaton(), nullptr);
    EXPECT_EQ(window.getGLWidget()->getPainter(), nullptr);
}

TEST(MainWindow, QueuedRunDuringALoadDialogNeitherBlocksNorStepsTheOldModel)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    auto* first = new TestModel(4, 4);
    loadModel(window, first);
    startRun(script, window, 0);
    ASSERT_TRUE(processUntil([&] { return first->steps >= 2; }));

    const int aliveBefore = TestModel::alive;
    auto* second = new TestModel(4, 4);
    int stepsDuringLoad = -1;
    window.setFactory([&](int, QWidget*) -> Automata::Automaton* {
        // The loader's dialog runs a nested event loop that delivers the queued run().
        const int before = first->steps;
        script->onDialog = [](QWidget*) { drainEvents(5); };
        QDialog dialog;
        Input::interaction().exec(&dialog);
        script->onDialog = nullptr;
        stepsDuringLoad = first->steps - before;
        return second;
    });
    window.load();
    EXPECT_EQ(stepsDuringLoad, 0);
    EXPECT_EQ(window.getAutomaton(), second);
    EXPECT_EQ(TestModel::alive, aliveBefore); // the first model is gone, the second is there
    drainEvents();
    // Load ended the run: the new model waits for Run.
    EXPECT_EQ(second->steps, 0);
    EXPECT_EQ(second->saveAllCalls.back(), std::make_pair(false, 1));
}

TEST(MainWindow, RunWaitingForACancelledLoadGoesOn)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    auto* model = new TestModel(4, 4);
    loadModel(window, model);
    startRun(script, window, 20);
    QCoreApplication::processEvents();

    window.setFactory([&](int, QWidget*) -> Automata::Automaton* {
        drainEvents(5);
        return nullptr;
    });
    window.load();
    drainEvents(100);
    EXPECT_EQ(model->steps, 20);
}

TEST(MainWindow, StepThatOpensADialogIsNeverReentered)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    auto* model = new TestModel(4, 4);
    loadModel(window, model);

    bool reentered = false;
    bool dialogShown = false;
    model->insideStep = [&] {
        if (model->steps - model->finishedSteps > 1)
            reentered = true;
        if (dialogShown)
            return;
        dialogShown = true;
        // As a series-name dialog would: while it is open the user presses Run
        // Step, and another run() arrives.
        QMetaObject::invokeMethod(&window, "run", Qt::QueuedConnection);
        window.runStep();
        drainEvents(5);
    };
    startRun(script, window, 3);
    drainEvents();
    EXPECT_TRUE(dialogShown);
    EXPECT_FALSE(reentered);
    EXPECT_EQ(model->finishedSteps, 3);
    EXPECT_EQ(model->steps, 3);
}

TEST(MainWindow, ReplacedModelsFormsAreClosedButTheNewModelsStay)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    QPointer<QWidget> firstForm;
    QPointer<QWidget> secondForm;
    window.setFactory([&](int, QWidget*) -> Automata::Automaton* {
        auto* form = new QWidget;
        (firstForm ? secondForm : firstForm) = form;
        Input::interaction().showForm(form);
        return new TestModel(4, 4);
    });
    window.load();
    ASSERT_FALSE(firstForm.isNull());
    window.load();
    EXPECT_TRUE(firstForm.isNull());
    ASSERT_FALSE(secondForm.isNull());

    // A failed load keeps the current model and its form.
    window.setFactory([](int, QWidget*) -> Automata::Automaton* { return nullptr; });
    window.load();
    EXPECT_FALSE(secondForm.isNull());
}

TEST(MainWindow, SaveAllAsksForTheIntervalAndCancelUnchecks)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    auto* model = new TestModel(4, 4);
    loadModel(window, model);
    QAction* saveAll = action(window, "actionSaveAll");

    script->addSetting("linInterval", "7");
    saveAll->setChecked(true);
    EXPECT_EQ(window.getSaveInterval(), 7);
    EXPECT_EQ(model->saveAllCalls.back(), std::make_pair(true, 7));

    saveAll->setChecked(false);
    EXPECT_EQ(model->saveAllCalls.back(), std::make_pair(false, 7));

    script->rejectNextDialog();
    saveAll->setChecked(true);
    EXPECT_FALSE(saveAll->isChecked());
    EXPECT_EQ(model->saveAllCalls.back(), std::make_pair(false, 7));

    // An empty interval cannot be accepted, so saving stays off.
    script->addSetting("linInterval", "");
    saveAll->setChecked(true);
    EXPECT_FALSE(saveAll->isChecked());
    EXPECT_EQ(model->saveAllCalls.back().first, false);
    EXPECT_EQ(window.getSaveInterval(), 7);
}

TEST(MainWindow, SaveAndRunStepNeedAModel)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    action(window, "actionSave")->trigger();
    action(window, "actionRunStep")->trigger();
    startRun(script, window, 3);
    drainEvents();
    EXPECT_EQ(window.getAutomaton(), nullptr);

    auto* model = new TestModel(4, 4);
    loadModel(window, model);
    action(window, "actionSave")->trigger();
    EXPECT_EQ(model->saves, 1);
}

TEST(MainWindow, ViewAxisAndAboutActions)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    script->addSetting("dsbAngleX", "90");
    action(window, "actionView")->trigger();
    const ViewCamera& camera = window.getGLWidget()->getCamera();
    EXPECT_NEAR(camera.orientation[0], std::sqrt(0.5), 1e-6);
    EXPECT_NEAR(camera.orientation[1], std::sqrt(0.5), 1e-6);
    EXPECT_EQ(script->dialogTitles().last(), QStringLiteral("Set Viewing Angle"));

    action(window, "actionAxis")->setChecked(true);
    EXPECT_TRUE(camera.showAxis);
    action(window, "actionAxis")->setChecked(false);
    EXPECT_FALSE(camera.showAxis);

    QString aboutText;
    QString aboutName;
    script->onDialog = [&](QWidget* dialog) {
        aboutName = dialog->objectName();
        aboutText = dialog->findChild<QLabel*>()->text();
    };
    action(window, "actionAbout")->trigger();
    script->onDialog = nullptr;
    EXPECT_EQ(script->dialogTitles().last(), QStringLiteral("About"));
    EXPECT_EQ(aboutName, QStringLiteral("AboutForm"));
    EXPECT_TRUE(aboutText.contains(QStringLiteral("the Lithoscope developers")));
    EXPECT_TRUE(aboutText.contains(QStringLiteral("LGPL")));
    EXPECT_TRUE(aboutText.contains(QStringLiteral("2.1")));
    EXPECT_TRUE(aboutText.contains(QStringLiteral("https://www.qt.io")));
    EXPECT_TRUE(aboutText.contains(QStringLiteral("without warranty")));
}

TEST(MainWindow, CloseAsksAndAnAcceptedCloseEndsTheRun)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    window.show();
    auto* model = new TestModel(4, 4);
    loadModel(window, model);

    script->setQuestionAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(script->messages().size(), 1);
    EXPECT_EQ(script->messages()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(script->messages()[0].title, QStringLiteral("Are you sure?"));
    EXPECT_EQ(script->messages()[0].text,
              QStringLiteral("Do you wish to close? All unsaved work will be lost"));

    startRun(script, window, 0);
    ASSERT_TRUE(processUntil([&] { return model->steps >= 2; }));
    script->setQuestionAnswer(QMessageBox::Ok);
    EXPECT_TRUE(window.close());
    const int atClose = model->steps;
    drainEvents();
    EXPECT_EQ(model->steps, atClose);
}

TEST(MainWindow, RunArrivingDuringTheSaveDialogWaitsAndGoesOn)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    auto* model = new TestModel(4, 4);
    loadModel(window, model);
    startRun(script, window, 5);
    QCoreApplication::processEvents();
    const int beforeSave = model->steps;
    int stepsDuringSave = -1;
    model->insideSave = [&] {
        drainEvents(5);
        stepsDuringSave = model->steps - beforeSave;
    };
    action(window, "actionSave")->trigger();
    EXPECT_EQ(stepsDuringSave, 0);
    drainEvents();
    EXPECT_EQ(model->steps, 5);
}

namespace {
// Keeps the model time every model starts with.
class PlainTimeModel : public TestModel {
public:
    PlainTimeModel() : TestModel(2, 2) {}
    double getTime() override { return Automata::Automaton::getTime(); }
    std::string getTimeInfo() override { return Automata::Automaton::getTimeInfo(); }
};
} // namespace

TEST(MainWindow, StatusShowsZeroForTheDefaultTime)
{
    TestSupport::ScriptedScope script;
    MainWindow window;
    loadModel(window, new PlainTimeModel);
    action(window, "actionRunStep")->trigger();
    EXPECT_EQ(window.statusBar()->currentMessage(), QStringLiteral("Current time: 0"));
}
