#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTextStream>

namespace Persistence {

// Writes semicolon-separated result tables: one file on request or a numbered
// series (base + six-digit counter from 1 + extension). Numbers are written in
// the C locale without group separators, so a table reads back anywhere.
class ResultsWriter {
public:
    ResultsWriter();
    ~ResultsWriter();
    ResultsWriter(const ResultsWriter&) = delete;
    ResultsWriter& operator=(const ResultsWriter&) = delete;

    // Asks for the series name; false when cancelled. A name without a dot gets ".txt".
    bool askSeriesName();
    // Opens the next file of the series, asking for its name first if none is set.
    bool openNext();
    // Asks for one file name and opens it.
    bool openSingle();

    void write(const QString& text);
    void write(qint32 value);
    void write(quint32 value);
    // Writes number(value): the shortest text that reads back as exactly value.
    void write(double value);
    void endLine();
    void close();

    bool isOpen() const { return open; }
    QString currentFileName() const { return fileName; }
    bool hasSeriesName() const { return !baseName.isEmpty(); }

    // C-locale text that reads back as exactly this double: six significant digits
    // where they suffice (0.9, 2000, 1e-07), up to 17 where not (4123456.5).
    static QString number(double value);

    // The folder the results dialogs open in, shared by every writer.
    static QDir& resultsFolder();

private:
    bool openFile(const QString& name);
    QString askName();

    QString fileName;
    QString baseName;
    QString extension;
    qint32 counter = 1;
    QFile file;
    QTextStream stream;
    bool open = false;
    QChar separator = QLatin1Char(';');
};

} // namespace Persistence
