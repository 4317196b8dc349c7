#pragma once

#include <ostream>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "Automata/sizecheck.h"
#include "Interaction/framesource.h"
#include "Interaction/scriptedinteraction.h"

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

namespace TestSupport {

// Installs a fresh scripted interaction for the lifetime of the scope.
class ScriptedScope {
public:
    ScriptedScope() : previous(&Interaction::Interaction::current()) { Interaction::Interaction::install(&script); }
    ~ScriptedScope() { Interaction::Interaction::install(previous); }
    ScriptedScope(const ScriptedScope&) = delete;
    ScriptedScope& operator=(const ScriptedScope&) = delete;

    Interaction::ScriptedInteraction* operator->() { return &script; }
    Interaction::ScriptedInteraction& get() { return script; }

private:
    Interaction::Interaction* previous;
    Interaction::ScriptedInteraction script;
};

// Stands in for the program's view while it lives: grabs give a 4 x 4 green
// frame, and grabs and frame requests are counted.
class FakeView : public Interaction::FrameSource {
public:
    FakeView() : previous(Interaction::frameSource()) { install(this); }
    ~FakeView() override { install(previous); }
    FakeView(const FakeView&) = delete;
    FakeView& operator=(const FakeView&) = delete;

    QImage grabFrame() override;
    void requestFrame() override { ++requests; }

    int grabs = 0;
    int requests = 0;

private:
    Interaction::FrameSource* previous;
};

// Sets the memory budget of the size check for the lifetime of the scope.
class BudgetScope {
public:
    explicit BudgetScope(long long bytes) { Automata::SizeCheck::setBudget(bytes); }
    ~BudgetScope() { Automata::SizeCheck::setBudget(0); }
    BudgetScope(const BudgetScope&) = delete;
    BudgetScope& operator=(const BudgetScope&) = delete;
};

// Writes the bytes into the named file, replacing it; false when it cannot be written.
bool writeFile(const QString& name, const QByteArray& bytes);

// Path of a file in the source tree's examples/ folder.
QString examplePath(const QString& relative);

// The lithoscope-batch program next to the test programs.
QString batchProgram();

struct BatchResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs lithoscope-batch with the arguments in the given working folder.
BatchResult runBatch(const QStringList& arguments, const QString& workingFolder = QString(),
                     int timeoutMs = 120000);

} // namespace TestSupport
