#include "interpolationdat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

namespace Persistence {

namespace {

// Reads the text as an input stream would: numbers after any white space,
// lines up to their line break.
class Cursor {
public:
    explicit Cursor(const QByteArray& bytes) : at(bytes.constData()), end(at + bytes.size()) {}

    bool atEnd() const { return at == end; }

    void skipLine()
    {
        const char* lineBreak = std::find(at, end, '\n');
        at = lineBreak == end ? end : lineBreak + 1;
    }

    void skipSpace()
    {
        while (at != end && (*at == ' ' || (*at >= '\t' && *at <= '\r')))
            ++at;
    }

    bool readInteger(long long& value)
    {
        skipSpace();
        const char* from = at != end && *at == '+' ? at + 1 : at;
        const auto parsed = std::from_chars(from, end, value);
        if (parsed.ec != std::errc() || (from != at && *from == '-'))
            return false;
        at = parsed.ptr;
        return true;
    }

    // A finite number; anything else leaves the cursor where it stood.
    bool readNumber(double& value)
    {
        skipSpace();
        const char* from = at != end && *at == '+' ? at + 1 : at;
        if (from != end && from != at && *from == '-')
            return false;
        const auto parsed = std::from_chars(from, end, value, std::chars_format::general);
        if (parsed.ec != std::errc() || !std::isfinite(value))
            return false;
        at = parsed.ptr;
        return true;
    }

private:
    const char* at;
    const char* end;
};

} // namespace

InterpolationDat::Result InterpolationDat::read(const QByteArray& bytes)
{
    Result result;
    Cursor text(bytes);
    text.skipLine();
    long long columns = 0;
    if (!text.readInteger(columns) || columns < 3) {
        result.columns = std::max(columns, 0LL);
        result.error = QStringLiteral("This automaton requires at least 3 columns: X coordinate, "
                                      "Y coordinate and Variable.");
        return result;
    }
    result.columns = columns;
    text.skipLine();
    for (long long c = 0; c < columns && !text.atEnd(); ++c)
        text.skipLine();

    const long long valueColumn = columns == 3 ? 2 : 3;
    while (!text.atEnd()) {
        double row[4] = {};
        long long c = 0;
        for (double number = 0.0; c < columns && text.readNumber(number); ++c) {
            if (c < 4)
                row[c] = number;
        }
        if (c < columns)
            break;
        // The rest of the line is dropped; a last row without a line break counts.
        text.skipLine();
        result.points.push_back({row[0], row[1], row[valueColumn]});
    }
    if (result.points.empty())
        result.error = QStringLiteral("The file contains no data rows.");
    return result;
}

double InterpolationDat::smallestDistance(const std::vector<Point>& points)
{
    // Distinct places only, ordered by x: coincident points are averaged in
    // their cell, they do not set the spacing.
    std::vector<std::pair<double, double>> places;
    places.reserve(points.size());
    for (const Point& p : points)
        places.emplace_back(p.x, p.y);
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());

    // Sweep in x, keeping the places within the best distance so far to the
    // left ordered by y: only a few of them can lie within it of the next.
    double best = std::numeric_limits<double>::infinity();
    std::set<std::pair<double, double>> window; // (y, x)
    std::size_t left = 0;
    for (const auto& place : places) {
        while (left < places.size() && place.first - places[left].first > best) {
            window.erase({places[left].second, places[left].first});
            ++left;
        }
        for (auto it = window.lower_bound({place.second - best, -std::numeric_limits<double>::infinity()});
             it != window.end() && it->first - place.second <= best; ++it)
            best = std::min(best, std::hypot(place.first - it->second, place.second - it->first));
        window.insert({place.second, place.first});
    }
    return std::isfinite(best) ? best : 0.0;
}

InterpolationDat::Grid InterpolationDat::gridFor(const std::vector<Point>& points)
{
    Grid grid;
    if (points.empty())
        return grid;
    double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY, sum = 0.0;
    for (const Point& p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
        sum += p.value;
    }
    const double distance = smallestDistance(points);
    // All points at one place: one cell of spacing 1 there.
    grid.spacing = distance > 0.0 ? distance : 1.0;
    grid.baseX = minX;
    grid.baseY = minY;
    grid.fill = sum / static_cast<double>(points.size());
    const auto cells = [&](double extent) {
        const double last = std::floor(extent / grid.spacing + 1e-9);
        return last >= maxSize - 1 ? maxSize : static_cast<int>(last) + 1;
    };
    grid.sizeX = cells(maxX - minX);
    grid.sizeY = cells(maxY - minY);
    return grid;
}

long long InterpolationDat::cellIndex(double coordinate, double base, double spacing)
{
    const double cell = std::floor((coordinate - base) / spacing + 1e-9);
    if (!(cell >= 0.0))
        return -1;
    if (cell >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<long long>(cell);
}

} // namespace Persistence
