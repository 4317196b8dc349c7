#include "resultswriter.h"

#include <cmath>

#include <QFileInfo>
#include <QLocale>

#include "Interaction/interaction.h"

namespace Persistence {

namespace {
const char* const caption = "Save results";
const char* const filter = "Text file (*.txt)";
} // namespace

ResultsWriter::ResultsWriter()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    stream.setLocale(c);
}

ResultsWriter::~ResultsWriter()
{
    close();
}

QDir& ResultsWriter::resultsFolder()
{
    static QDir folder = QDir::current();
    return folder;
}

QString ResultsWriter::askName()
{
    const QString name = Interaction::interaction().saveFileName(
        nullptr, QLatin1String(caption), resultsFolder().absolutePath(), QLatin1String(filter));
    if (!name.isEmpty())
        resultsFolder() = QFileInfo(name).absoluteDir();
    return name;
}

bool ResultsWriter::askSeriesName()
{
    const QString name = askName();
    if (name.isEmpty())
        return false;
    // Only a dot in the file's own name starts an extension: a dot in a folder
    // name would otherwise send the series into a folder that does not exist.
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < slash) {
        baseName = name;
        extension = QStringLiteral(".txt");
    } else {
        baseName = name.left(dot);
        extension = name.mid(dot);
    }
    return true;
}

bool ResultsWriter::openNext()
{
    if (baseName.isEmpty() && !askSeriesName())
        return false;
    const QString name =
        baseName + QStringLiteral("%1").arg(counter, 6, 10, QLatin1Char('0')) + extension;
    ++counter;
    return openFile(name);
}

bool ResultsWriter::openSingle()
{
    const QString name = askName();
    if (name.isEmpty()) {
        Interaction::interaction().warning(nullptr, QStringLiteral("File Error"),
                                     QStringLiteral("Unable to create/overwrite selected file!"));
        return false;
    }
    return openFile(name);
}

bool ResultsWriter::openFile(const QString& name)
{
    close();
    fileName = name;
    file.setFileName(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        Interaction::interaction().warning(nullptr, QStringLiteral("File Error"),
                                     QStringLiteral("Unable to save to selected file!"));
        return false;
    }
    stream.setDevice(&file);
    open = true;
    return true;
}

void ResultsWriter::write(const QString& text)
{
    if (open)
        stream << text << separator;
}

void ResultsWriter::write(qint32 value)
{
    if (open)
        stream << value << separator;
}

void ResultsWriter::write(quint32 value)
{
    if (open)
        stream << value << separator;
}

QString ResultsWriter::number(double value)
{
    // Six digits as before wherever they suffice (2000 stays "2000", not "2e+03");
    // more only where six would change the value.
    int digits = 6;
    while (digits < 17 && std::isfinite(value)
           && QString::number(value, 'g', digits).toDouble() != value)
        ++digits;
    return QString::number(value, 'g', digits);
}

void ResultsWriter::write(double value)
{
    if (open)
        stream << number(value) << separator;
}

void ResultsWriter::endLine()
{
    if (open)
        stream << '\n';
}

void ResultsWriter::close()
{
    if (!open)
        return;
    stream.flush();
    stream.setDevice(nullptr);
    file.close();
    open = false;
}

} // namespace Persistence
