#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTextStream>

#include "batch/optionparser.h"

namespace TestSupport {

QString writePicture(const QTemporaryDir& folder, const QStringList& rows, const QMap<QChar, QRgb>& colours,
                     const QString& name)
{
    QImage image(rows.value(0).size(), rows.size(), QImage::Format_ARGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            image.setPixel(x, y, colours.value(rows[y][x]));
    EXPECT_TRUE(image.save(folder.filePath(name))) << name.toStdString();
    return folder.filePath(name);
}

bool writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QString examplePath(const QString& relative)
{
    return QStringLiteral(LITHOSCOPE_SOURCE_DIR "/examples/") + relative;
}

bool isBuilt(int index)
{
    const Input::CatalogueEntry* entry = Input::Catalogue::entry(index);
    return entry && entry->build;
}

QString label(int index)
{
    return Input::Catalogue::labels().value(index);
}

Recipe exampleRecipe(int index)
{
    Recipe recipe;
    const QDir folder(examplePath(Batch::OptionParser::slug(label(index))));
    QFile file(folder.filePath(QStringLiteral("recipe")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << label(index).toStdString();
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        const QString option = line.section(QLatin1Char(' '), 0, 0);
        const QString argument = line.section(QLatin1Char(' '), 1).trimmed();
        if (option == QLatin1String("--input"))
            recipe.inputs.append(QDir::cleanPath(folder.filePath(argument)));
        else if (option == QLatin1String("--set"))
            recipe.settings.append({argument.section(QLatin1Char('='), 0, 0), argument.section(QLatin1Char('='), 1)});
        else if (option == QLatin1String("--steps"))
            recipe.steps = argument.toInt();
        else if (option == QLatin1String("--at"))
            recipe.actsOnForms = true;
    }
    return recipe;
}

QStringList shown(const QList<Interaction::ScriptedInteraction::Message>& messages)
{
    QStringList lines;
    for (const auto& message : messages)
        lines << (message.icon == QMessageBox::Warning ? QStringLiteral("(warning) ") : QString()) + message.title
                     + QStringLiteral(": ") + message.text;
    return lines;
}

QImage savedPicture(Automata::Automaton& model)
{
    QTemporaryDir folder;
    ScriptedScope script;
    script->queueSaveFile(folder.filePath(QStringLiteral("saved.png")));
    model.save();
    return QImage(folder.filePath(QStringLiteral("saved.png")));
}

QStringList listing(const QString& relative)
{
    QFile file(QStringLiteral(LITHOSCOPE_SOURCE_DIR "/tests/") + relative);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << relative.toStdString();
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            lines.append(line);
    return lines;
}

QString listed(const QString& described)
{
    QStringList fields = described.split(QLatin1Char('\t'));
    while (fields.size() > 1 && fields.last().isEmpty())
        fields.removeLast();
    return fields.join(QStringLiteral(" | "));
}

namespace {

// The lithoscope-batch program next to the test programs.
QString batchProgram()
{
    const QByteArray fromEnv = qgetenv("LITHOSCOPE_BATCH");
    if (!fromEnv.isEmpty())
        return QString::fromLocal8Bit(fromEnv);
    return QCoreApplication::applicationDirPath() + QStringLiteral("/lithoscope-batch");
}

} // namespace

BatchResult runBatch(const QStringList& arguments, const QString& workingFolder, int timeoutMs)
{
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(batchProgram(), arguments);
    BatchResult result;
    if (!process.waitForStarted(10000))
        return result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace TestSupport
