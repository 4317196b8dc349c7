#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "Interaction/scriptedinteraction.h"
#include "batchoptions.h"
#include "offscreenview.h"

class QWidget;

namespace Automata {
class Automaton;
}

namespace Batch {

class ProgressDisplay;

// One run of the batch runner: builds the entry through the factory with a
// scripted interaction answering every dialog, runs it, and saves and draws
// what was asked. execute() returns the process exit code. While it runs, its
// offscreen view is the seam's view.
class BatchRun {
public:
    // Builds the model of a catalogue index (null when nothing was built).
    using Factory = std::function<Automata::Automaton*(int index, QWidget* parent)>;

    // The catalogue's factory unless another is given, as by tests with models of their own.
    explicit BatchRun(const BatchOptions& options, Factory factory = Factory());
    ~BatchRun();
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    int execute();

    // "Current time: " and the model time, as the main window's status bar shows it.
    static QString statusLine(Automata::Automaton* model);

    // The titles of the warnings after which a model is built on purpose and
    // stays usable, so that a run goes on.
    static const QStringList& keptWarnings();
    // Whether a message shown while the model is built, or while a form acts
    // on it, means that its input was refused: every warning and critical
    // message except the kept ones. Information stays information.
    static bool refusesInput(const Interaction::ScriptedInteraction::Message& message);

private:
    int buildAndRun(Interaction::ScriptedInteraction& script);
    int runSteps(Interaction::ScriptedInteraction& script);
    int applyActions(Interaction::ScriptedInteraction& script, int stepsDone);
    int checkSettingErrors(const Interaction::ScriptedInteraction& script) const;
    int checkRepeatedQuestion(const Interaction::ScriptedInteraction& script) const;
    int checkUnused(const Interaction::ScriptedInteraction& script) const;
    // Whether a message refusing the input has been shown since the last look.
    bool refusedSinceLastLook(const Interaction::ScriptedInteraction& script);
    void reportMissingInputs(const Interaction::ScriptedInteraction& script) const;
    int saveState(Interaction::ScriptedInteraction& script);
    int drawView();
    // Exit 4 with the reason when a model that saves the view could not draw it.
    int checkViewDrawn(const QString& option) const;
    void printBench() const;
    void dropUnusedSaveNames(Interaction::ScriptedInteraction& script);

    const BatchOptions& options;
    Factory factory;
    OffscreenView view;
    Automata::Automaton* model = nullptr;
    ProgressDisplay* progress = nullptr;
    qint64 stepNanoseconds = 0; // time spent inside step() only
    int messagesLookedAt = 0;
    int dialogsDescribed = 0;
    // The step after whose button presses every --set and --input must have
    // been used (a pressed button may ask for more); -1 checks them straight
    // after the build. --describe runs no steps, so it checks only then.
    int lastClickStep = -1;
};

} // namespace Batch
