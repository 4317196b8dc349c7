#include "mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QAbstractItemView>
#include <QMetaObject>
#include <QStatusBar>
#include <QToolBar>

#include "Automata/automaton.h"
#include "Input/catalogue.h"
#include "Interaction/framesource.h"
#include "Interaction/interaction.h"
#include "Ui/renderinfo.h"
#include "Ui/saveintervaldialog.h"
#include "Ui/setviewangledialog.h"
#include "aboutdialog.h"
#include "glwidget.h"
#include "runinfoform.h"

namespace {

QAction* makeAction(QObject* parent, const char* name, const char* text, const char* toolTip,
                    bool checkable)
{
    auto* action = new QAction(parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setText(QCoreApplication::translate("MainWindow", text));
    if (toolTip)
        action->setToolTip(QCoreApplication::translate("MainWindow", toolTip));
    action->setCheckable(checkable);
    return action;
}

QList<QPointer<QWidget>> guarded(const QList<QWidget*>& widgets)
{
    QList<QPointer<QWidget>> list;
    for (QWidget* widget : widgets)
        list.append(widget);
    return list;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), factory(&Input::AutomatonFactory)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Lithoscope"));
    resize(800, 600);
    setAcceptDrops(false);

    createActions();
    createCatalogueList();
    toolBar->addSeparator();
    toolBar->addAction(actionAbout);
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    QMetaObject::connectSlotsByName(this);

    glWidget = new GLwidget(this, nullptr);
    setCentralWidget(glWidget);
    // Loaders, archivers and forms reach the view through the seam; it leaves
    // the seam again when it is deleted.
    Interaction::FrameSource::install(glWidget);
}

MainWindow::~MainWindow()
{
    closing = true;
    // Forms act on the model, so they go first; the view goes before the model
    // whose painter it borrows.
    Interaction::interaction().closeForms();
    delete glWidget;
    glWidget = nullptr;
    delete automaton;
    automaton = nullptr;
}

void MainWindow::setFactory(Factory newFactory)
{
    factory = std::move(newFactory);
}

void MainWindow::createActions()
{
    actionRun = makeAction(this, "actionRun", "Run", "Run automaton", false);
    actionPause = makeAction(this, "actionPause", "Pause", "Pause automaton.", false);
    actionRunStep =
        makeAction(this, "actionRunStep", "Run Step", "Run a single automaton step.", false);
    actionLoad = makeAction(this, "actionLoad", "Load", "Load a new image.", false);
    actionSave = makeAction(this, "actionSave", "Save", "Save current image.", false);
    actionSaveAll =
        makeAction(this, "actionSaveAll", "Save All", "Save an image for each step.", true);
    actionAxis = makeAction(this, "actionAxis", "Axis",
                            "Display axis. X is red, Y is green and Z is blue.", true);
    actionView = makeAction(this, "actionView", "View", "Set the viewing angle.", false);
    actionRendering = makeAction(this, "actionRendering", "Rendering", nullptr, false);
    actionAbout = makeAction(this, "actionAbout", "About", "Info about Lithoscope", false);

    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setWindowTitle(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setAllowedAreas(Qt::TopToolBarArea);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addToolBar(Qt::TopToolBarArea, toolBar);
    for (QAction* action : {actionRun, actionPause, actionRunStep, actionLoad, actionSave,
                            actionSaveAll, actionAxis, actionView, actionRendering})
        toolBar->addAction(action);

    connect(actionRun, &QAction::triggered, this, &MainWindow::getRunInfo);
    connect(actionPause, &QAction::triggered, this, &MainWindow::pause);
    connect(actionRunStep, &QAction::triggered, this, &MainWindow::runStep);
    connect(actionLoad, &QAction::triggered, this, &MainWindow::load);
    connect(actionSave, &QAction::triggered, this, &MainWindow::save);
    connect(actionSaveAll, &QAction::toggled, this, &MainWindow::setSaveInterval);
    connect(actionAxis, &QAction::toggled, this, &MainWindow::displayAxis);
    connect(actionView, &QAction::triggered, this, &MainWindow::setViewingAngle);
    connect(actionAbout, &QAction::triggered, this, &MainWindow::showAboutInfo);
}

void MainWindow::createCatalogueList()
{
    toolBar->addSeparator();
    catalogueList = new QComboBox(toolBar);
    catalogueList->setObjectName(QStringLiteral("catalogueList"));
    catalogueList->addItems(Input::Catalogue::labels());
    catalogueList->setCurrentIndex(0);
    // The longest labels would push About off an 800-pixel toolbar; the list
    // that opens still shows them whole.
    catalogueList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    catalogueList->setMinimumContentsLength(14);
    catalogueList->view()->setMinimumWidth(catalogueList->view()->sizeHintForColumn(0) + 24);
    toolBar->addWidget(catalogueList);
    connect(catalogueList, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::automatonChanged);
    statusTimer.start();
}

void MainWindow::automatonChanged(int index)
{
    catalogueIndex = index;
}

void MainWindow::postRun()
{
    if (runQueued || closing)
        return;
    runQueued = true;
    QMetaObject::invokeMethod(this, "run", Qt::QueuedConnection);
}

void MainWindow::unlockModel()
{
    mutex.unlock();
    if (runDeferred) {
        runDeferred = false;
        if (automaton && stepsLeft > 0)
            postRun();
    }
    if (statusPending) {
        statusPending = false;
        updateStatus(true);
    }
}

void MainWindow::stepModel()
{
    automaton->step();
    ++stepsSinceRender;
    if (stepsSinceRender % renderInterval == 0) {
        glWidget->updateGL();
        stepsSinceRender = 0;
    }
}

void MainWindow::run()
{
    runQueued = false;
    if (closing)
        return;
    if (!automaton) {
        updateStatus(false);
        return;
    }
    // A dialog open under the lock (a loader's, a save dialog, one inside a
    // step) runs a nested event loop that may deliver this call; it waits for
    // the lock's release instead of blocking on it or re-entering the step.
    if (!mutex.tryLock()) {
        runDeferred = true;
        return;
    }
    stepModel();
    bool finished = false;
    if (limitSteps) {
        --stepsLeft;
        finished = stepsLeft == 0;
    }
    unlockModel();
    if (stepsLeft > 0)
        postRun();
    updateStatus(finished);
}

void MainWindow::pause()
{
    limitSteps = true;
    stepsLeft = 0;
}

void MainWindow::runStep()
{
    if (!automaton || closing)
        return;
    // Never a step inside another one still in progress.
    if (!mutex.tryLock())
        return;
    stepModel();
    unlockModel();
    updateStatus(true);
}

void MainWindow::save()
{
    if (!automaton || !mutex.tryLock())
        return;
    automaton->save();
    unlockModel();
}

void MainWindow::load()
{
    if (closing || !mutex.tryLock())
        return;
    // Forms already open belong to the current model; those the loader opens
    // belong to the new one.
    const QList<QPointer<QWidget>> oldForms = guarded(Interaction::interaction().openForms());
    Automata::Automaton* model = factory ? factory(catalogueIndex, this) : nullptr;
    if (model)
        replaceModel(model, oldForms);
    unlockModel();
}

void MainWindow::replaceModel(Automata::Automaton* model, const QList<QPointer<QWidget>>& oldForms)
{
    glWidget->setPainter(nullptr);
    for (const QPointer<QWidget>& form : oldForms)
        delete form.data();
    delete automaton;
    automaton = model;
    limitSteps = true;
    stepsLeft = 0;
    actionSaveAll->setChecked(false);
    automaton->setSaveAll(false, saveInterval);
    glWidget->setPainter(automaton->getPainter());
    glWidget->updateGL();
}

void MainWindow::setSaveInterval(bool saveAll)
{
    if (!saveAll) {
        if (automaton)
            automaton->setSaveAll(false, saveInterval);
        return;
    }
    Ui::SaveIntervalDialog dialog(saveInterval, this);
    const bool accepted = Interaction::interaction().exec(&dialog) == QDialog::Accepted;
    if (accepted)
        saveInterval = static_cast<int>(dialog.getInterval());
    else
        actionSaveAll->setChecked(false);
    if (!automaton)
        return;
    // Switching the flag is safe even when a dialog below holds the lock.
    const bool locked = mutex.tryLock();
    automaton->setSaveAll(accepted, saveInterval);
    if (locked)
        unlockModel();
}

void MainWindow::getRunInfo()
{
    RunInfoForm form(this);
    Interaction::interaction().exec(&form);
    const int maxSteps = form.getMaxSteps();
    if (maxSteps != -1) {
        limitSteps = true;
        stepsLeft = maxSteps;
    } else {
        limitSteps = false;
        stepsLeft = 1;
    }
    postRun();
}

void MainWindow::displayAxis(bool checked)
{
    glWidget->displayAxis(checked);
}

void MainWindow::setViewingAngle()
{
    Ui::SetViewAngleDialog dialog;
    if (Interaction::interaction().exec(&dialog) == QDialog::Accepted)
        glWidget->setViewAngle(dialog.getAngleX(), dialog.getAngleY(), dialog.getAngleZ());
}

void MainWindow::showAboutInfo()
{
    AboutDialog dialog(this);
    Interaction::interaction().exec(&dialog);
}

void MainWindow::on_actionRendering_triggered()
{
    Ui::RenderInfo dialog(glWidget->isRenderingEnabled(), renderInterval, this);
    if (Interaction::interaction().exec(&dialog) != QDialog::Accepted)
        return;
    glWidget->setRenderingEnabled(dialog.isRenderingEnabled());
    renderInterval = dialog.getUpdateInterval();
}

void MainWindow::updateStatus(bool force)
{
    if (!force && statusTimer.isValid() && statusTimer.elapsed() <= 1000)
        return;
    if (!mutex.tryLock()) {
        statusPending = true;
        return;
    }
    statusBar()->clearMessage();
    if (automaton)
        statusBar()->showMessage(QStringLiteral("Current time: ")
                                 + QString::number(automaton->getTime(), 'g', 6)
                                 + QString::fromStdString(automaton->getTimeInfo()));
    mutex.unlock();
    statusTimer.restart();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const QMessageBox::StandardButton answer = Interaction::interaction().ask(
        QMessageBox::Warning, this, QStringLiteral("Are you sure?"),
        QStringLiteral("Do you wish to close? All unsaved work will be lost"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) {
        event->ignore();
        return;
    }
    // No queued run() may step once the close is accepted.
    closing = true;
    pause();
    runDeferred = false;
    Interaction::interaction().closeForms();
    event->accept();
}
