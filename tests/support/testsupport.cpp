#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

namespace TestSupport {

QImage FakeView::grabFrame()
{
    ++grabs;
    QImage frame(4, 4, QImage::Format_RGB32);
    frame.fill(Qt::green);
    return frame;
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

QString batchProgram()
{
    const QByteArray fromEnv = qgetenv("LITHOSCOPE_BATCH");
    if (!fromEnv.isEmpty())
        return QString::fromLocal8Bit(fromEnv);
    return QCoreApplication::applicationDirPath() + QStringLiteral("/lithoscope-batch");
}

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
