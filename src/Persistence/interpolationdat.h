#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

namespace Persistence {

// The scattered points of the 2D interpolation rules as a DAT text holds
// them: a free first line, the number of columns K (at least 3), K lines
// naming the columns, then one row of K numbers per point: X, Y and the
// variable (column 3 when K = 3, column 4 when K > 3). Reading is a pure
// function of the bytes; it stops at the first row that is not K numbers and
// at the end of the text, whatever K says.
class InterpolationDat {
public:
    struct Point {
        double x = 0.0;
        double y = 0.0;
        double value = 0.0;
    };

    struct Result {
        // K as read; 0 when the file gives no number of columns.
        long long columns = 0;
        std::vector<Point> points;
        // The text the "Parse Error" box shows; empty when points were read.
        QString error;

        bool ok() const { return error.isEmpty(); }
        // More columns than the rule uses: the "Parse Info" box is shown first.
        bool extraColumns() const { return columns > 3; }
    };

    // The square grid that holds every point: its lower-left corner at the
    // smallest X and Y, its spacing the smallest distance between two distinct
    // points (1 when all points lie at one place), and the mean value as the
    // start of the free cells.
    struct Grid {
        int sizeX = 1;
        int sizeY = 1;
        double baseX = 0.0;
        double baseY = 0.0;
        double spacing = 1.0;
        double fill = 0.0;
    };

    static Result read(const QByteArray& bytes);
    static Grid gridFor(const std::vector<Point>& points);

    // The smallest distance between two distinct points; 0 when there are no
    // two. O(N log N).
    static double smallestDistance(const std::vector<Point>& points);

    // The cell of a coordinate on a line of cells from base with the given
    // spacing: floor((coordinate - base) / spacing), with a margin that keeps a
    // point lying on a cell's edge in that cell despite rounding. -1 for
    // anything left of the first cell or not a number.
    static long long cellIndex(double coordinate, double base, double spacing);

    // A grid side holds at most this many cells, as many as the dialog shows.
    static constexpr int maxSize = 9999;
};

} // namespace Persistence
