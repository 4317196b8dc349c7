#include "imagefiles.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

#include "Interaction/interaction.h"
#include "inputfiles.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace Persistence {

namespace {

// Catches what is written to the process's error stream while it lives. The
// PNG library reports a broken file there by itself ("libpng error: Read
// Error"); that line belongs in the reason the file could not be read, not on
// the terminal. Anything else written meanwhile is passed on unchanged.
class ErrorStreamCapture {
public:
    ErrorStreamCapture()
    {
#ifdef Q_OS_UNIX
        std::fflush(stderr);
        file = std::tmpfile();
        saved = file ? dup(STDERR_FILENO) : -1;
        if (saved < 0 || dup2(fileno(file), STDERR_FILENO) < 0)
            release();
#endif
    }
    ~ErrorStreamCapture() { finish(); }
    ErrorStreamCapture(const ErrorStreamCapture&) = delete;
    ErrorStreamCapture& operator=(const ErrorStreamCapture&) = delete;

    // Ends the capture; returns the PNG library's lines and passes every
    // other line on to the error stream.
    QStringList finish()
    {
        QStringList libraryLines;
#ifdef Q_OS_UNIX
        if (!file)
            return libraryLines;
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        std::rewind(file);
        QByteArray others;
        char line[1024];
        while (std::fgets(line, sizeof line, file)) {
            const QByteArray text(line);
            if (text.startsWith("libpng "))
                libraryLines.append(QString::fromLocal8Bit(text.trimmed()));
            else
                others += text;
        }
        std::fwrite(others.constData(), 1, static_cast<std::size_t>(others.size()), stderr);
        release();
#endif
        return libraryLines;
    }

private:
#ifdef Q_OS_UNIX
    void release()
    {
        if (saved >= 0)
            close(saved);
        if (file)
            std::fclose(file);
        saved = -1;
        file = nullptr;
    }

    std::FILE* file = nullptr;
    int saved = -1;
#endif
};

// Reads the picture; on failure `reason` says why (see ImageFiles::read).
QImage decode(const QString& name, const ImageFiles::SizeFilter& accept, QString* reason)
{
    if (name.isEmpty())
        return QImage();
    *reason = InputFiles::unreadable(name);
    if (!reason->isEmpty())
        return QImage();
    QImageReader reader(name);
    ErrorStreamCapture headerCapture;
    const QSize size = reader.size();
    QStringList libraryLines = headerCapture.finish();
    if (size.isValid() && static_cast<long long>(size.width()) * size.height() > ImageFiles::maxPixels) {
        Interaction::interaction().warning(nullptr, QString(),
                                           QStringLiteral("The image is too large: %1 x %2 pixels; at most "
                                                          "%3 pixels can be loaded.")
                                               .arg(size.width())
                                               .arg(size.height())
                                               .arg(ImageFiles::maxPixels));
        *reason = QStringLiteral("too large: %1 x %2 pixels").arg(size.width()).arg(size.height());
        return QImage();
    }
    if (size.isValid() && accept && !accept(size))
        return QImage();

    ErrorStreamCapture capture;
    const QImage image = reader.read();
    libraryLines += capture.finish();
    if (!image.isNull())
        return image;
    if (reader.error() == QImageReader::UnsupportedFormatError)
        *reason = QStringLiteral("not an image: ") + reader.errorString();
    else if (reader.error() == QImageReader::FileNotFoundError || reader.error() == QImageReader::DeviceError)
        *reason = QStringLiteral("not readable: ") + reader.errorString();
    else
        *reason = QStringLiteral("corrupt image: ") + reader.errorString();
    for (const QString& line : libraryLines)
        *reason += QStringLiteral(" (") + line + QLatin1Char(')');
    return QImage();
}

} // namespace

QString ImageFiles::examplesFolder()
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        candidates << appDir + QStringLiteral("/examples") << appDir + QStringLiteral("/../examples")
                   << appDir + QStringLiteral("/../../examples");
    }
#ifdef LITHOSCOPE_SOURCE_DIR
    candidates << QStringLiteral(LITHOSCOPE_SOURCE_DIR "/examples");
#endif
    for (const QString& candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isDir())
            return info.canonicalFilePath();
    }
    return QDir::currentPath();
}

QImage ImageFiles::read(const QString& name, QString* failure, const SizeFilter& accept)
{
    QString reason;
    const QImage image = decode(name, accept, &reason);
    if (failure)
        *failure = reason;
    return image;
}

} // namespace Persistence
