#include "imagefiles.h"

#include <cstdio>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

#include "Automata/sizecheck.h"
#include "Interaction/interaction.h"
#include "inputfiles.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mman.h>
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
QImage readPicture(QImageReader& reader, const ImageFiles::SizeFilter& accept, QString* reason)
{
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
    if (size.isValid()) {
        // Whatever reads it, the decoded picture itself must fit in memory.
        const Automata::SizeCheck picture =
            Automata::SizeCheck({size.width(), size.height()}).perSite<QRgb>();
        if (!picture.fits()) {
            Interaction::interaction().warning(nullptr, QString(),
                                               QString::fromStdString(picture.warning()));
            return QImage();
        }
    }

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
    QImage image;
    if (!name.isEmpty()) {
        reason = InputFiles::unreadable(name);
        if (reason.isEmpty()) {
            QImageReader reader(name);
            image = readPicture(reader, accept, &reason);
        }
    }
    if (failure)
        *failure = reason;
    return image;
}

QImage ImageFiles::decode(const QByteArray& bytes, QString* failure, const SizeFilter& accept)
{
    // Where the system keeps files in memory the bytes are read as one, so
    // that every image plugin meets a file as it does on disk: some seek past
    // the end of what they hold, which a file allows and a memory buffer
    // refuses, and then ask for more than is there.
    QFile file;
    QBuffer buffer;
    QIODevice* device = &buffer;
#ifdef Q_OS_LINUX
    const int descriptor = memfd_create("picture", MFD_CLOEXEC);
    if (descriptor >= 0) {
        if (write(descriptor, bytes.constData(), static_cast<std::size_t>(bytes.size())) == bytes.size() &&
            lseek(descriptor, 0, SEEK_SET) == 0 &&
            file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            device = &file;
        else
            close(descriptor);
    }
#endif
    if (device == &buffer) {
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
    }
    QImageReader reader(device);
    QString reason;
    const QImage image = readPicture(reader, accept, &reason);
    if (failure)
        *failure = reason;
    return image;
}

} // namespace Persistence
