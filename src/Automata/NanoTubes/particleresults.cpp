#include "particleresults.h"

#include <cmath>
#include <cstring>

#include "Persistence/resultswriter.h"
#include "particlerules.h"

namespace Automata::NanoTubes {

namespace {

struct Span {
    const char* begin;
    int length;
};

// The file's lines without their "\n" or "\r\n"; a last line without an end
// counts as a line.
std::vector<Span> splitLines(const QByteArray& bytes)
{
    std::vector<Span> lines;
    const char* data = bytes.constData();
    const int size = bytes.size();
    int start = 0;
    while (start < size) {
        const char* end = static_cast<const char*>(std::memchr(data + start, '\n', size - start));
        const int stop = end ? static_cast<int>(end - data) : size;
        int length = stop - start;
        if (length > 0 && data[start + length - 1] == '\r')
            --length;
        lines.push_back({data + start, length});
        start = stop + 1;
    }
    return lines;
}

// The ';'-ended fields of a line; false when the line does not end with ';'.
bool splitFields(const Span& line, std::vector<Span>& fields)
{
    fields.clear();
    if (line.length == 0 || line.begin[line.length - 1] != ';')
        return false;
    int start = 0;
    for (int i = 0; i < line.length; ++i) {
        if (line.begin[i] == ';') {
            fields.push_back({line.begin + start, i - start});
            start = i + 1;
        }
    }
    return true;
}

bool toDouble(const Span& field, double& value)
{
    bool ok = false;
    value = QByteArray::fromRawData(field.begin, field.length).toDouble(&ok);
    return ok && field.length > 0 && std::isfinite(value);
}

// A whole number from 0 to limit, digits only.
bool toCount(const Span& field, std::uint32_t limit, std::uint32_t& value)
{
    if (field.length < 1 || field.length > 10)
        return false;
    std::uint64_t v = 0;
    for (int i = 0; i < field.length; ++i) {
        const char c = field.begin[i];
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (v > limit)
        return false;
    value = static_cast<std::uint32_t>(v);
    return true;
}

bool isLabel(const Span& field, const char* label)
{
    return field.length == static_cast<int>(std::strlen(label)) && std::memcmp(field.begin, label, field.length) == 0;
}

bool fits(ParticleResults::Kind kind, double v)
{
    switch (kind) {
    case ParticleResults::Kind::Probability:
        return v >= 0.0 && v <= 1.0;
    case ParticleResults::Kind::Side:
        return v == 0.0 || v == 1.0 || v == 2.0;
    case ParticleResults::Kind::Steps:
        // Up to a billion, so that a continued run still has over a billion steps to count.
        return v >= 0.0 && v <= 1e9 && v == std::floor(v);
    case ParticleResults::Kind::Real:
        return true;
    }
    return false;
}

} // namespace

int ParticleResults::Layout::lineOf(const char* label) const
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (std::strcmp(lines[i].label, label) == 0)
            return static_cast<int>(i) + 2;
    return 0;
}

ParticleResults::Data ParticleResults::read(const QByteArray& bytes, const Layout& layout)
{
    Data data;
    const std::vector<Span> lines = splitLines(bytes);
    std::vector<Span> fields;
    std::size_t at = 0;
    const auto fail = [&](std::size_t line) {
        Data failed;
        failed.badLine = static_cast<int>(line) + 1;
        return failed;
    };
    const auto fieldsOf = [&](std::size_t line) {
        return line < lines.size() && splitFields(lines[line], fields);
    };

    // "Size"; W; H
    std::uint32_t w = 0, h = 0;
    if (!fieldsOf(at) || fields.size() != 3 || !isLabel(fields[0], "Size") ||
        !toCount(fields[1], 2147483647u, w) || !toCount(fields[2], 2147483647u, h) || w < 1 || h < 1)
        return fail(at);
    ++at;
    for (const Line& line : layout.lines) {
        if (!fieldsOf(at) || fields.size() != static_cast<std::size_t>(line.values) + 1 ||
            !isLabel(fields[0], line.label))
            return fail(at);
        std::vector<double> values;
        for (int v = 1; v <= line.values; ++v) {
            double value = 0.0;
            if (!toDouble(fields[v], value) || !fits(line.kind, value))
                return fail(at);
            values.push_back(value);
        }
        data.parameters.push_back(values);
        ++at;
    }

    for (std::size_t g = 0; g < layout.grids.size(); ++g) {
        if (g > 0) {
            if (at >= lines.size() || lines[at].length != 0)
                return fail(at);
            ++at;
        }
        const int perCell = layout.grids[g];
        const std::uint32_t limit = g == 0 ? 3u : ParticleRules::maxCount;
        const std::size_t values = static_cast<std::size_t>(w) * perCell;
        // Every line of the grid must be there, at least two bytes a value,
        // before the grid is allocated: a header asking for a huge lattice is
        // refused by the file's own length.
        for (std::size_t y = 0; y < h; ++y)
            if (at + y >= lines.size() || static_cast<std::size_t>(lines[at + y].length) < 2 * values)
                return fail(at + y);
        std::vector<std::uint32_t> grid(values * h);
        for (std::uint32_t y = 0; y < h; ++y, ++at) {
            if (!fieldsOf(at) || fields.size() != values)
                return fail(at);
            for (std::size_t v = 0; v < values; ++v) {
                std::uint32_t value = 0;
                if (!toCount(fields[v], limit, value))
                    return fail(at);
                const std::size_t x = v / perCell;
                grid[(x * h + y) * perCell + v % perCell] = value;
            }
        }
        data.grids.push_back(std::move(grid));
    }
    if (at >= lines.size() || lines[at].length != 0)
        return fail(at);
    for (++at; at < lines.size(); ++at) {
        double time = 0.0, thickness = 0.0;
        if (!fieldsOf(at) || fields.size() != 2 || !toDouble(fields[0], time) || !toDouble(fields[1], thickness))
            return fail(at);
        if (time > 0.0) {
            data.times.push_back(time);
            data.thicknesses.push_back(thickness);
        }
    }
    data.width = static_cast<int>(w);
    data.height = static_cast<int>(h);
    return data;
}

void ParticleResults::write(Persistence::ResultsWriter& writer, const Layout& layout, int width, int height,
                            const std::vector<std::vector<double>>& parameters,
                            const std::function<std::uint32_t(int, std::size_t, int)>& value,
                            const std::vector<double>& times, const std::vector<double>& thicknesses)
{
    writer.write(QStringLiteral("Size"));
    writer.write(static_cast<qint32>(width));
    writer.write(static_cast<qint32>(height));
    writer.endLine();
    for (std::size_t l = 0; l < layout.lines.size(); ++l) {
        const Line& line = layout.lines[l];
        writer.write(QString::fromLatin1(line.label));
        for (double v : parameters[l]) {
            if (line.kind == Kind::Side || line.kind == Kind::Steps)
                writer.write(static_cast<qint32>(v));
            else
                writer.write(v);
        }
        writer.endLine();
    }
    for (std::size_t g = 0; g < layout.grids.size(); ++g) {
        if (g > 0)
            writer.endLine();
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                for (int j = 0; j < layout.grids[g]; ++j)
                    writer.write(static_cast<quint32>(
                        value(static_cast<int>(g), static_cast<std::size_t>(x) * height + y, j)));
            writer.endLine();
        }
    }
    writer.endLine();
    for (std::size_t i = 0; i < times.size(); ++i) {
        writer.write(times[i]);
        writer.write(thicknesses[i]);
        writer.endLine();
    }
}

} // namespace Automata::NanoTubes
