#include "console.h"

#include <cstdio>

namespace Batch {

namespace {

void writeLine(std::FILE* stream, const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void Console::out(const QString& line)
{
    writeLine(stdout, line);
}

void Console::error(const QString& line)
{
    writeLine(stderr, line);
}

void Console::reason(const QString& text)
{
    writeLine(stderr, QStringLiteral("lithoscope-batch: ") + text);
}

} // namespace Batch
