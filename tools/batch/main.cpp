// lithoscope-batch: builds a catalogue entry through the same factory, loaders
// and dialogs as the program, with a script answering every question, runs it
// and saves what the model saves.

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QLocale>

#include "Input/catalogue.h"
#include "batchrun.h"
#include "console.h"
#include "offscreenview.h"
#include "optionparser.h"

namespace {

QStringList commandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QtMessageHandler qtHandler = nullptr;

// Standard error carries the model's messages in the order shown; Qt's note
// that it picked a runtime folder by itself is not one of them.
void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (qtHandler)
        qtHandler(type, context, text);
}

int refuseViewWithoutDisplay()
{
    Batch::Console::reason(
        Batch::OffscreenView::noDisplayReason(QStringLiteral("--view"), QStringLiteral("--view")));
    return Batch::ExitOutput;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList arguments = commandLine(argc, argv);
    if (arguments.isEmpty()) {
        std::fputs(Batch::OptionParser::usage().toUtf8().constData(), stderr);
        return Batch::ExitUsage;
    }

    // The platform is chosen before the application exists, so the options
    // are read once ahead: only --view asks for the window system. Other runs
    // use the offscreen platform, which still draws through the display when
    // there is one, for models that save what the view shows.
    bool wantsView = arguments.contains(QStringLiteral("--view"));
    {
        Batch::OptionParser probe(QDir::currentPath());
        if (probe.parse(arguments)) {
            wantsView = !probe.options().viewFile.isEmpty();
            if (wantsView && !Batch::OffscreenView::hasDisplay())
                return refuseViewWithoutDisplay();
        }
    }
    if (!wantsView || !Batch::OffscreenView::hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    qtHandler = qInstallMessageHandler(filterQtMessages);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lithoscope-batch"));
    // Numbers typed into dialogs by the script are C-locale numbers.
    QLocale::setDefault(QLocale::c());

    Batch::OptionParser parser(QDir::currentPath());
    if (!parser.parse(arguments)) {
        Batch::Console::reason(parser.error());
        return Batch::ExitUsage;
    }
    const Batch::BatchOptions& options = parser.options();
    if (options.help) {
        std::fputs(Batch::OptionParser::usage().toUtf8().constData(), stdout);
        return Batch::ExitOk;
    }
    if (options.list) {
        const QStringList labels = Input::Catalogue::labels();
        for (int i = 0; i < labels.size(); ++i)
            Batch::Console::out(QString::number(i) + QLatin1Char('\t') + labels.at(i));
        return Batch::ExitOk;
    }
    if (!options.viewFile.isEmpty() && !Batch::OffscreenView::hasDisplay())
        return refuseViewWithoutDisplay();

    Batch::BatchRun run(options);
    return run.execute();
}
