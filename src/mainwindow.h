#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QList>
#include <QMainWindow>
#include <QMutex>
#include <QPointer>

class GLwidget;
class QAction;
class QComboBox;
class QToolBar;

namespace Automata {
class Automaton;
}

// The program's window: the catalogue, the current model and its run control,
// with the OpenGL view as central widget. Continuous running is a chain of
// queued run() calls, one step each, so the event loop stays responsive.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds the model of a catalogue index (null when nothing was built).
    using Factory = std::function<Automata::Automaton*(int index, QWidget* parent)>;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    GLwidget* getGLWidget() const { return glWidget; }
    Automata::Automaton* getAutomaton() const { return automaton; }
    unsigned int getRenderInterval() const { return renderInterval; }
    int getSaveInterval() const { return saveInterval; }
    int getCatalogueIndex() const { return catalogueIndex; }

    // Replaces the catalogue's factory, for instance by a test's own models.
    void setFactory(Factory factory);

public slots:
    void runStep();
    void run();
    void pause();
    void save();
    void load();
    void setSaveInterval(bool saveAll);
    void automatonChanged(int index);
    void getRunInfo();
    void displayAxis(bool checked);
    void setViewingAngle();
    void showAboutInfo();
    void on_actionRendering_triggered();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createCatalogueList();
    void updateStatus(bool force);
    // One step of the current model with the repaint every renderInterval
    // steps; the caller holds the mutex.
    void stepModel();
    // Releases the mutex and catches up on what had to wait for it: a run()
    // that arrived while a dialog was open under the lock, a forced status.
    void unlockModel();
    void postRun();
    void replaceModel(Automata::Automaton* model, const QList<QPointer<QWidget>>& oldForms);

    QAction* actionRun = nullptr;
    QAction* actionPause = nullptr;
    QAction* actionRunStep = nullptr;
    QAction* actionLoad = nullptr;
    QAction* actionSave = nullptr;
    QAction* actionSaveAll = nullptr;
    QAction* actionAxis = nullptr;
    QAction* actionView = nullptr;
    QAction* actionRendering = nullptr;
    QAction* actionAbout = nullptr;
    QToolBar* toolBar = nullptr;
    QComboBox* catalogueList = nullptr;

    GLwidget* glWidget = nullptr;
    Automata::Automaton* automaton = nullptr;
    QMutex mutex;
    QElapsedTimer statusTimer;
    int catalogueIndex = 0;
    int stepsLeft = 1;
    bool limitSteps = false;
    unsigned int renderInterval = 1;
    unsigned int stepsSinceRender = 0;
    int saveInterval = 1;

    Factory factory;
    bool runQueued = false;     // a run() call is waiting in the event queue
    bool runDeferred = false;   // a run() found the mutex taken and waits for it
    bool statusPending = false; // a forced status refresh found the mutex taken
    bool closing = false;       // the close was accepted: no further steps
};
