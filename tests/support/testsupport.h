#pragma once

#include <memory>
#include <ostream>

#include <QImage>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "Automata/automaton.h"
#include "Automata/sizecheck.h"
#include "Input/catalogue.h"
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

private:
    Interaction::Interaction* previous;
    Interaction::ScriptedInteraction script;
};

// Stands in for the program's view while it lives and counts the frames
// requested of it and the grabs; a grab gives `picture`, which is null unless
// a test sets one.
class FakeView : public Interaction::FrameSource {
public:
    FakeView() : previous(Interaction::frameSource()) { install(this); }
    ~FakeView() override { install(previous); }
    FakeView(const FakeView&) = delete;
    FakeView& operator=(const FakeView&) = delete;

    QImage grabFrame() override
    {
        ++grabs;
        return picture;
    }
    void requestFrame() override { ++requests; }

    QImage picture;
    int requests = 0;
    int grabs = 0;

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

// Writes a picture drawn as text into the folder and returns its path: one
// string per row from the top, each character a pixel of the colour (alpha
// included) the table gives it.
QString writePicture(const QTemporaryDir& folder, const QStringList& rows, const QMap<QChar, QRgb>& colours,
                     const QString& name = QStringLiteral("picture.png"));

// Sets the default locale for the lifetime of the scope.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(previous); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale previous;
};

// Writes the bytes into the named file, replacing it; false when it cannot be written.
bool writeFile(const QString& name, const QByteArray& bytes);

// Path of a file in the source tree's examples/ folder.
QString examplePath(const QString& relative);

// Catalogue entries: whether the entry's family is part of the program yet,
// and its label.
bool isBuilt(int index);
QString label(int index);

// What an entry's example recipe answers: its inputs (resolved against the
// example's folder), its NAME=VALUE settings and its number of steps, and
// whether it acts on a form between steps.
struct Recipe {
    QStringList inputs;
    QList<QPair<QString, QString>> settings;
    int steps = 0;
    bool actsOnForms = false;
};
Recipe exampleRecipe(int index);

// Builds a catalogue entry through the factory, its dialogs answered by the
// interaction in place; null when nothing was built or the model is not an M.
template <typename M = Automata::Automaton>
std::unique_ptr<M> buildEntry(int index)
{
    std::unique_ptr<Automata::Automaton> model(Input::AutomatonFactory(index, nullptr));
    if (!dynamic_cast<M*>(model.get()))
        return nullptr;
    return std::unique_ptr<M>(static_cast<M*>(model.release()));
}

// The same with the entry's first file dialog answered by file.
template <typename M = Automata::Automaton>
std::unique_ptr<M> buildEntry(int index, const QString& file)
{
    ScriptedScope script;
    script->queueOpenFile(file);
    return buildEntry<M>(index);
}

// Builds an entry from its example's recipe; the recipe must build it without
// a message and use every setting it gives.
template <typename M = Automata::Automaton>
std::unique_ptr<M> buildExample(int index)
{
    ScriptedScope script;
    const Recipe recipe = exampleRecipe(index);
    for (const QString& input : recipe.inputs)
        script->queueOpenFile(input);
    for (const auto& setting : recipe.settings)
        script->addSetting(setting.first, setting.second);
    std::unique_ptr<M> model = buildEntry<M>(index);
    EXPECT_TRUE(model) << label(index).toStdString();
    EXPECT_TRUE(script->messages().isEmpty()) << label(index).toStdString();
    EXPECT_EQ(script->unusedSettings(), QStringList()) << label(index).toStdString();
    return model;
}

// The messages shown, each as "title: text", warnings marked "(warning) ".
QStringList shown(const QList<Interaction::ScriptedInteraction::Message>& messages);

// The picture the model's Save writes (through its file dialog, into a
// scratch folder).
QImage savedPicture(Automata::Automaton& model);

// The lines of a listing file below tests/, without comments and blank lines.
QStringList listing(const QString& relative);
// A line of lithoscope-batch --describe (tab-separated fields) as listings
// write it: the fields joined by " | ", empty fields at the end left out.
QString listed(const QString& described);

struct BatchResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs lithoscope-batch with the arguments in the given working folder.
BatchResult runBatch(const QStringList& arguments, const QString& workingFolder = QString(),
                     int timeoutMs = 120000);

} // namespace TestSupport
