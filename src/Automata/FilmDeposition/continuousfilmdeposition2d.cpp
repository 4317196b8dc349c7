#include "continuousfilmdeposition2d.h"

#include <algorithm>
#include <atomic>

#include "../../Persistence/automatonarchiver.h"
#include "../columnbands.h"
#include "../painter2d.h"

// Off by default; switch on with QT_LOGGING_RULES="lithoscope.film.radius.info=true".
Q_LOGGING_CATEGORY(lcFilmRadius, "lithoscope.film.radius", QtWarningMsg)

namespace Automata {
namespace FilmDeposition {

namespace {

std::atomic<int> sharedBestRadius{0};
std::atomic<int> sharedCounter{1};

// The fill an empty cell gains per unit of time from the column to its left
// or right (side) or its own column: the cell beside it weighs 1, the two
// corners cornerWeight. Cells beyond the lattice are left out.
inline float sideFill(const FilmCell* column, int y, int h)
{
    float corners = 0.0f;
    if (y > 0)
        corners += column[y - 1].value;
    if (y + 1 < h)
        corners += column[y + 1].value;
    return column[y].value + ContinuousFilmDeposition2D::cornerWeight * corners;
}

} // namespace

ContinuousFilmDeposition2D::ContinuousFilmDeposition2D(int width, int height,
                                                       const FilmCell* initial)
    : Automaton2D<FilmCell>(width, height)
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    painter = new Painter2D<FilmCell>(this);
    archiver = new Persistence::AutomatonArchiver;
}

void ContinuousFilmDeposition2D::updateCells()
{
    const int h = height;
    const int w = width;
    const float dt = timeStep;
    const FilmCell* current = cells;
    FilmCell* next = nextCells;
    ColumnBands::run(width, [=](int begin, int end) {
        for (int x = begin; x < end; ++x) {
            const FilmCell* column = current + static_cast<std::size_t>(x) * h;
            const FilmCell* left = x > 0 ? column - h : nullptr;
            const FilmCell* right = x + 1 < w ? column + h : nullptr;
            FilmCell* to = next + static_cast<std::size_t>(x) * h;
            for (int y = 0; y < h; ++y) {
                FilmCell cell = column[y];
                if (cell.type == Empty) {
                    float sum = 0.0f;
                    if (y > 0)
                        sum += column[y - 1].value;
                    if (y + 1 < h)
                        sum += column[y + 1].value;
                    if (left)
                        sum += sideFill(left, y, h);
                    if (right)
                        sum += sideFill(right, y, h);
                    const float v = cell.value + dt * sum;
                    if (v >= 1.0f) {
                        cell.type = Film;
                        cell.value = 1.0f;
                    } else {
                        cell.value = v;
                    }
                }
                to[y] = cell;
            }
        }
    });
}

void ContinuousFilmDeposition2D::step()
{
    updateCells();
    finishStep();
    elapsedTime += timeStep;
    radiusDiagnostic();
}

void ContinuousFilmDeposition2D::save()
{
    saveImage();
}

double ContinuousFilmDeposition2D::getTime()
{
    return elapsedTime;
}

std::string ContinuousFilmDeposition2D::getTimeInfo()
{
    return " h";
}

const float* ContinuousFilmDeposition2D::getColor(const FilmCell& cell)
{
    return filmDepositionColor(cell.type);
}

int ContinuousFilmDeposition2D::filmRadius() const
{
    const int y = height / 2;
    int radius = 0;
    // The count stops at the border: a one-cell-wide lattice has no cell left
    // of its centre.
    for (int x = width / 2 - 1; x >= 0 && cells[index(x, y)].type != Empty; --x)
        ++radius;
    return radius;
}

int ContinuousFilmDeposition2D::bestRadius()
{
    return sharedBestRadius.load();
}

int ContinuousFilmDeposition2D::diagnosticCounter()
{
    return sharedCounter.load();
}

void ContinuousFilmDeposition2D::radiusDiagnostic()
{
    const int radius = filmRadius();
    int best = sharedBestRadius.load();
    bool improved = false;
    while (radius > best && !(improved = sharedBestRadius.compare_exchange_weak(best, radius))) {
    }
    const int counter = sharedCounter.fetch_add(1);
    // Measuring the disc costs a sweep of the lattice: only when someone listens.
    if (!improved || !lcFilmRadius().isInfoEnabled())
        return;
    const long long r2 = static_cast<long long>(radius) * radius;
    const int cx = width / 2;
    const int cy = height / 2;
    long long sites = 0;
    long long errors = -1;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const long long dx = x - cx;
            const long long dy = y - cy;
            const FilmDepositionCell type = cells[index(x, y)].type;
            if (dx * dx + dy * dy <= r2) {
                ++sites;
                errors += type != Film;
            } else {
                errors += type != Empty;
            }
        }
    }
    const double ratio = sites > 0 ? static_cast<double>(errors) / static_cast<double>(sites) : 0.0;
    qCInfo(lcFilmRadius).noquote()
        << QStringLiteral("%1,%2,%3,%4").arg(counter).arg(radius).arg(errors).arg(ratio, 0, 'g', 6);
}

} // namespace FilmDeposition
} // namespace Automata
