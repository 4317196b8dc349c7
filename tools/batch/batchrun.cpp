#include "batchrun.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>

#include "Automata/automaton.h"
#include "Automata/random.h"
#include "Automata/Surfaces/surfacebudget.h"
#include "Input/catalogue.h"
#include "Interaction/scriptedinteraction.h"
#include "Interaction/widgetscript.h"
#include "console.h"
#include "dialogdescriber.h"
#include "progressdisplay.h"

namespace Batch {

BatchRun::BatchRun(const BatchOptions& options, Factory factory)
    : options(options), factory(factory ? std::move(factory) : Factory(&Input::AutomatonFactory)),
      view(options)
{
    for (const StepAction& action : options.actions) {
        if (action.setting.value == Interaction::WidgetScript::clickValue())
            lastClickStep = qMax(lastClickStep, action.step);
    }
}

BatchRun::~BatchRun() = default;

QString BatchRun::statusLine(Automata::Automaton* model)
{
    return QStringLiteral("Current time: ") + QString::number(model->getTime(), 'g', 6) +
           QString::fromStdString(model->getTimeInfo());
}

const QStringList& BatchRun::keptWarnings()
{
    // A warning belongs here when the model it comes from is built all the
    // same and can be run. Every other warning refuses the input.
    static const QStringList kept = {
        // Surfaces too large to hold: the volume is drawn as points instead.
        Automata::Surfaces::SurfaceBudget::warningTitle(),
    };
    return kept;
}

bool BatchRun::refusesInput(const Interaction::ScriptedInteraction::Message& message)
{
    if (message.icon != QMessageBox::Warning && message.icon != QMessageBox::Critical)
        return false;
    return !keptWarnings().contains(message.title);
}

bool BatchRun::refusedSinceLastLook(const Interaction::ScriptedInteraction& script)
{
    const QList<Interaction::ScriptedInteraction::Message>& messages = script.messages();
    bool refused = false;
    for (; messagesLookedAt < messages.size(); ++messagesLookedAt)
        refused = refused || refusesInput(messages.at(messagesLookedAt));
    return refused;
}

int BatchRun::execute()
{
    Interaction::ScriptedInteraction script;
    script.onMessage = [this](const Interaction::ScriptedInteraction::Message& message) {
        if (progress)
            progress->clear();
        Console::error(message.title.isEmpty() ? message.text
                                               : message.title + QStringLiteral(": ") + message.text);
    };
    // Why a file could not be used, below the message about it.
    script.onNote = [](const QString& line) { Console::reason(line); };
    if (options.describe) {
        script.onDialog = [this](QWidget* dialog) {
            ++dialogsDescribed;
            for (const QString& line : DialogDescriber::describe(dialog))
                Console::out(line);
        };
    }
    for (const QString& input : options.inputs)
        script.queueOpenFile(input);
    for (const WidgetSetting& setting : options.settings)
        script.addSetting(setting.name, setting.value);
    script.rejectNextDialog(options.reject);

    if (options.hasSeed)
        Automata::Random::setSeedOverride(options.seed);
    if (options.threads > 0)
        QThreadPool::globalInstance()->setMaxThreadCount(options.threads);

    Interaction::Interaction& previous = Interaction::Interaction::current();
    Interaction::FrameSource* previousView = Interaction::frameSource();
    Interaction::Interaction::install(&script);
    Interaction::FrameSource::install(&view);
    const int code = buildAndRun(script);
    // Forms act on the model, so they go first, as in the main window.
    script.closeForms();
    view.setPainter(nullptr);
    delete model;
    model = nullptr;
    Interaction::FrameSource::install(previousView);
    Interaction::Interaction::install(&previous);
    return code;
}

int BatchRun::buildAndRun(Interaction::ScriptedInteraction& script)
{
    model = factory(options.modelIndex, nullptr);
    int code = checkSettingErrors(script);
    if (code != ExitOk)
        return code;
    code = checkRepeatedQuestion(script);
    if (code != ExitOk)
        return code;
    if (!model) {
        reportMissingInputs(script);
        return ExitNoModel;
    }
    // A loader or dialog that warned has refused its input, even where a
    // model was built after it (a table that failed to load leaves the
    // dialog's defaults): the message shown is the reason.
    if (refusedSinceLastLook(script))
        return ExitNoModel;
    if (lastClickStep < 0) {
        code = checkUnused(script);
        if (code != ExitOk)
            return code;
    }
    if (options.describe) {
        // The listing stays empty; the note says that this is all there is.
        if (dialogsDescribed == 0)
            Console::reason(QStringLiteral("note: \"%1\" opens no dialog or form")
                                .arg(Input::Catalogue::labels().value(options.modelIndex)));
        return ExitOk;
    }
    view.setPainter(model->getPainter());

    // A new model starts with Save All off and the current interval, as in the main window.
    model->setSaveAll(false, options.interval);
    if (!options.saveAllFile.isEmpty()) {
        script.queueSaveFile(options.saveAllFile);
        model->setSaveAll(true, options.interval);
    }

    code = runSteps(script);
    if (code == ExitOk && !options.saveAllFile.isEmpty())
        code = checkViewDrawn(QStringLiteral("--save-all"));
    if (code != ExitOk)
        return code;

    Console::out(statusLine(model));
    if (options.bench)
        printBench();

    if (!options.saveAllFile.isEmpty() && script.unusedSaveFiles() > 0) {
        Console::reason(QStringLiteral("note: Save All of this model asked for no file name; "
                                       "no series was written"));
        dropUnusedSaveNames(script);
    }
    if (!options.saveFile.isEmpty()) {
        code = saveState(script);
        if (code != ExitOk)
            return code;
    }
    if (!options.viewFile.isEmpty())
        return drawView();
    return ExitOk;
}

int BatchRun::runSteps(Interaction::ScriptedInteraction& script)
{
    ProgressDisplay display(!options.quiet, options.steps);
    progress = &display;
    int code = ExitOk;
    for (int done = 0;; ++done) {
        code = applyActions(script, done);
        if (code != ExitOk)
            break;
        if (done == options.steps)
            break;
        QElapsedTimer timer;
        timer.start();
        model->step();
        stepNanoseconds += timer.nsecsElapsed();
        if (script.questionRepeated()) {
            display.clear();
            code = checkRepeatedQuestion(script);
            break;
        }
        // What a step warns about is what it writes, such as a picture of a
        // series that could not be written; the run ends there.
        if (refusedSinceLastLook(script)) {
            code = ExitOutput;
            break;
        }
        if (options.statusEvery > 0 && (done + 1) % options.statusEvery == 0) {
            display.clear();
            Console::out(statusLine(model));
        }
        display.update(done + 1);
    }
    display.clear();
    progress = nullptr;
    return code;
}

int BatchRun::applyActions(Interaction::ScriptedInteraction& script, int stepsDone)
{
    for (const StepAction& action : options.actions) {
        if (action.step != stepsDone)
            continue;
        QString error;
        const Interaction::WidgetScript::Result result =
            script.setFormWidget(action.setting.name, action.setting.value, &error);
        if (result == Interaction::WidgetScript::Result::NotFound) {
            Console::reason(QStringLiteral("--at %1: no open form has a widget named '%2'")
                                .arg(action.step)
                                .arg(action.setting.name));
            return ExitUsage;
        }
        if (result == Interaction::WidgetScript::Result::BadValue) {
            Console::reason(QStringLiteral("--at %1: %2").arg(action.step).arg(error));
            return ExitUsage;
        }
        // A pressed button may have run a dialog of its own, or refused what
        // it was to read.
        int code = checkSettingErrors(script);
        if (code == ExitOk)
            code = checkRepeatedQuestion(script);
        if (code == ExitOk && refusedSinceLastLook(script))
            code = ExitNoModel;
        if (code != ExitOk)
            return code;
    }
    if (stepsDone == lastClickStep)
        return checkUnused(script);
    return ExitOk;
}

int BatchRun::checkSettingErrors(const Interaction::ScriptedInteraction& script) const
{
    if (script.settingErrors().isEmpty())
        return ExitOk;
    Console::reason(script.settingErrors().first());
    return ExitUsage;
}

int BatchRun::checkRepeatedQuestion(const Interaction::ScriptedInteraction& script) const
{
    if (!script.questionRepeated())
        return ExitOk;
    const QString caption = script.fileDialogCaptions().value(script.fileDialogCaptions().size() - 1);
    const QString asked = caption.isEmpty() ? QStringLiteral("a question")
                                            : QStringLiteral("the \"%1\" dialog").arg(caption);
    QString text = QStringLiteral("%1 was not answered usefully and would be asked forever").arg(asked);
    if (!options.saveAllFile.isEmpty())
        text += QStringLiteral(" (a series name needs .png, .jpg or .bmp: --save-all %1)").arg(options.saveAllFile);
    Console::reason(text);
    return ExitOutput;
}

int BatchRun::checkUnused(const Interaction::ScriptedInteraction& script) const
{
    const QStringList unused = script.unusedSettings();
    if (!unused.isEmpty()) {
        const QString setting = unused.first();
        Console::reason(QStringLiteral("no dialog had a widget named '%1' (--set %2)")
                            .arg(setting.section(QLatin1Char('='), 0, 0), setting));
        return ExitUsage;
    }
    const int unusedInputs = script.unusedOpenFiles();
    if (unusedInputs > 0) {
        const QString input = options.inputs.at(options.inputs.size() - unusedInputs);
        Console::reason(QStringLiteral("--input %1 was not asked for").arg(input));
        return ExitUsage;
    }
    return ExitOk;
}

void BatchRun::reportMissingInputs(const Interaction::ScriptedInteraction& script) const
{
    for (const auto& dialog : script.unansweredOpenFiles())
        Console::reason(QStringLiteral("no --input for the \"%1\" dialog (%2)").arg(dialog.first, dialog.second));
}

void BatchRun::dropUnusedSaveNames(Interaction::ScriptedInteraction& script)
{
    while (script.unusedSaveFiles() > 0)
        script.saveFileName(nullptr, QString(), QString(), QString());
}

int BatchRun::saveState(Interaction::ScriptedInteraction& script)
{
    const QString file = options.saveFile;
    // An older file of that name is kept aside, so that "written" means written
    // by this save and the old file survives a save that fails.
    QString kept;
    if (QFileInfo::exists(file)) {
        kept = file + QStringLiteral(".previous");
        QFile::remove(kept);
        if (!QFile::rename(file, kept))
            kept.clear();
    }
    const QDateTime before = QFileInfo(file).lastModified();
    const bool existedBefore = QFileInfo::exists(file);

    dropUnusedSaveNames(script);
    script.queueSaveFile(file);
    model->save();
    const bool asked = script.unusedSaveFiles() == 0;
    dropUnusedSaveNames(script);
    const QFileInfo after(file);
    const bool written = after.exists() && (!existedBefore || after.lastModified() != before);

    if (!written && !kept.isEmpty()) {
        QFile::remove(file);
        QFile::rename(kept, file);
    } else if (!kept.isEmpty()) {
        QFile::remove(kept);
    }
    if (script.questionRepeated())
        return checkRepeatedQuestion(script);
    const int code = checkViewDrawn(QStringLiteral("--save"));
    if (code != ExitOk)
        return code;
    if (!asked) {
        Console::reason(QStringLiteral("note: Save of this model asks for no file name; "
                                       "nothing was written to %1").arg(file));
        return ExitOk;
    }
    if (!written) {
        Console::reason(QStringLiteral("Save did not write %1").arg(file));
        return ExitOutput;
    }
    return ExitOk;
}

int BatchRun::drawView()
{
    const QImage image = view.grabFrame();
    if (image.isNull()) {
        Console::reason(QStringLiteral("could not draw the view: %1").arg(view.failure()));
        return ExitOutput;
    }
    if (!image.save(options.viewFile)) {
        Console::reason(QStringLiteral("could not write the view picture %1").arg(options.viewFile));
        return ExitOutput;
    }
    return ExitOk;
}

int BatchRun::checkViewDrawn(const QString& option) const
{
    if (!view.hasFailed())
        return ExitOk;
    const QString what = option + QStringLiteral(" of this model saves what the view shows, which");
    if (!OffscreenView::hasDisplay())
        Console::reason(OffscreenView::noDisplayReason(what, option));
    else
        Console::reason(QStringLiteral("%1 could not be drawn: %2").arg(what, view.failure()));
    return ExitOutput;
}

void BatchRun::printBench() const
{
    const double seconds = stepNanoseconds / 1e9;
    const long long sites = model->getSiteCount();
    const double stepsPerSecond = seconds > 0.0 ? options.steps / seconds : 0.0;
    const double mlups = stepsPerSecond * static_cast<double>(sites) / 1e6;
    Console::out(QStringLiteral("bench: steps=%1 seconds=%2 steps_per_second=%3 sites=%4 mlups=%5")
                     .arg(options.steps)
                     .arg(QString::number(seconds, 'f', 6))
                     .arg(QString::number(stepsPerSecond, 'g', 6))
                     .arg(sites)
                     .arg(QString::number(mlups, 'g', 6)));
    Automata::AtomCounts atoms;
    if (!model->getAtomCounts(atoms))
        return;
    const auto perSecond = [seconds](long long count) {
        return QString::number(seconds > 0.0 ? static_cast<double>(count) / seconds : 0.0, 'g', 6);
    };
    Console::out(QStringLiteral("atoms: examined=%1 removed=%2 remaining=%3 examined_per_second=%4 "
                                "removed_per_second=%5")
                     .arg(atoms.examined)
                     .arg(atoms.removed)
                     .arg(atoms.remaining)
                     .arg(perSecond(atoms.examined), perSecond(atoms.removed)));
}

} // namespace Batch
