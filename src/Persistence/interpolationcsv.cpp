#include "interpolationcsv.h"

#include <cmath>

namespace Persistence {

namespace {

// Reads numbers and separators the way a formatted stream does: numbers skip
// leading white space, a separator skips white space and takes exactly one
// character. Counts the lines it passes.
class Scanner {
public:
    explicit Scanner(const QString& text) : text(text) {}

    bool readInt(int& value)
    {
        skipSpace();
        int end = afterSign(position);
        const int digitsStart = end;
        end = afterDigits(end);
        if (end == digitsStart)
            return false;
        return take(end, [&value](const QString& token) {
            bool ok = false;
            value = token.toInt(&ok);
            return ok;
        });
    }

    bool readDouble(double& value)
    {
        skipSpace();
        int end = afterSign(position);
        const int integerStart = end;
        end = afterDigits(end);
        int digits = end - integerStart;
        if (end < text.size() && text[end] == QLatin1Char('.')) {
            const int fractionStart = end + 1;
            end = afterDigits(fractionStart);
            digits += end - fractionStart;
        }
        if (digits == 0)
            return false;
        if (end < text.size() && (text[end] == QLatin1Char('e') || text[end] == QLatin1Char('E'))) {
            const int exponentStart = afterSign(end + 1);
            const int exponentEnd = afterDigits(exponentStart);
            if (exponentEnd > exponentStart)
                end = exponentEnd;
        }
        return take(end, [&value](const QString& token) {
            bool ok = false;
            value = token.toDouble(&ok);
            return ok;
        });
    }

    bool readSeparator()
    {
        skipSpace();
        if (position >= text.size())
            return false;
        ++position;
        return true;
    }

    // The line the next token starts on (the last line at the end).
    int currentLine()
    {
        skipSpace();
        return line;
    }

private:
    void skipSpace()
    {
        while (position < text.size() && text[position].isSpace()) {
            if (text[position] == QLatin1Char('\n'))
                ++line;
            ++position;
        }
    }

    int afterSign(int at) const
    {
        if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
            return at + 1;
        return at;
    }

    int afterDigits(int at) const
    {
        while (at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'))
            ++at;
        return at;
    }

    // Converts the token up to `end`; moves past it only when it converts.
    template <typename Convert>
    bool take(int end, Convert convert)
    {
        if (!convert(text.mid(position, end - position)))
            return false;
        position = end;
        return true;
    }

    const QString& text;
    int position = 0;
    int line = 1;
};

InterpolationCsv::Result failure(int line, const QString& error)
{
    InterpolationCsv::Result result;
    result.error = error;
    result.line = line;
    return result;
}

} // namespace

InterpolationCsv::Result InterpolationCsv::read(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    Scanner scanner(text);
    const int headerLine = scanner.currentLine();
    int size = 0;
    if (!scanner.readInt(size) || !scanner.readSeparator())
        return failure(headerLine, QStringLiteral("Error reading vector size."));
    if (size < 1 || size > maxSize)
        return failure(headerLine, QStringLiteral("Invalid vector size %1: the lattice holds 1 to %2 points.")
                                    .arg(size)
                                    .arg(maxSize));
    int fixedCount = 0;
    if (!scanner.readInt(fixedCount))
        return failure(headerLine, QStringLiteral("Error reading number of fixed values."));
    if (fixedCount < 0)
        return failure(headerLine, QStringLiteral("Invalid number of fixed values %1.").arg(fixedCount));
    if (fixedCount > size)
        return failure(headerLine, QStringLiteral("Too many fixed values."));

    Result result;
    result.table.size = size;
    result.table.fixedValues.reserve(static_cast<std::size_t>(fixedCount));
    for (int k = 0; k < fixedCount; ++k) {
        const int recordLine = scanner.currentLine();
        FixedValue fixed;
        if (!scanner.readInt(fixed.index) || !scanner.readSeparator() || !scanner.readDouble(fixed.value))
            return failure(recordLine, QStringLiteral("Error reading fixed value %1.").arg(k));
        // Records are numbered from 1, as the lines after the first.
        if (fixed.index < 0 || fixed.index >= size)
            return failure(recordLine, QStringLiteral("Invalid index in line %1.").arg(k + 1));
        if (!(std::fabs(fixed.value) <= maxMagnitude))
            return failure(recordLine, QStringLiteral("Invalid value in line %1: values lie between -%2 and %2.")
                                        .arg(k + 1)
                                        .arg(maxMagnitude));
        result.table.fixedValues.push_back(fixed);
    }
    return result;
}

} // namespace Persistence
