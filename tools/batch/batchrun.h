#pragma once

#include <QString>

#include "batchoptions.h"

namespace Automata {
class Automaton;
}

namespace Input {
class ScriptedInteraction;
}

namespace Batch {

class ProgressDisplay;

// One run of the batch runner: builds the entry through the factory with a
// scripted interaction answering every dialog, runs it, and saves and draws
// what was asked. execute() returns the process exit code.
class BatchRun {
public:
    explicit BatchRun(const BatchOptions& options);
    ~BatchRun();
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    int execute();

    // "Current time: " and the model time, as the main window's status bar shows it.
    static QString statusLine(Automata::Automaton* model);

private:
    int buildAndRun(Input::ScriptedInteraction& script);
    int runSteps(Input::ScriptedInteraction& script);
    int applyActions(Input::ScriptedInteraction& script, int stepsDone);
    int checkSettingErrors(const Input::ScriptedInteraction& script) const;
    int checkRepeatedQuestion(const Input::ScriptedInteraction& script) const;
    int checkUnused(const Input::ScriptedInteraction& script) const;
    int saveState(Input::ScriptedInteraction& script);
    int drawView();
    void printBench() const;
    void dropUnusedSaveNames(Input::ScriptedInteraction& script);

    const BatchOptions& options;
    Automata::Automaton* model = nullptr;
    ProgressDisplay* progress = nullptr;
    qint64 stepNanoseconds = 0; // time spent inside step() only
    // The step after whose button presses every --set and --input must have
    // been used (a pressed button may ask for more); -1 checks them straight
    // after the build. --describe runs no steps, so it checks only then.
    int lastClickStep = -1;
};

} // namespace Batch
