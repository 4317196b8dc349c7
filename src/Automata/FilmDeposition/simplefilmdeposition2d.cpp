#include "simplefilmdeposition2d.h"

#include <algorithm>
#include <atomic>

#include "../../Persistence/automatonarchiver.h"
#include "../painter2d.h"
#include "../columnbands.h"

// Off by default; switch on with QT_LOGGING_RULES="lithoscope.film.isotropy.info=true".
Q_LOGGING_CATEGORY(lcFilmIsotropy, "lithoscope.film.isotropy", QtWarningMsg)

namespace Automata {
namespace FilmDeposition {

namespace {

std::atomic<int> sharedIsotropyRadius{1};

} // namespace

SimpleFilmDeposition2D::SimpleFilmDeposition2D(int width, int height, const FilmCell* initial)
    : Automaton2D<FilmCell>(width, height), nearSolid(cellCount())
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    painter = new Painter2D<FilmCell>(this);
    archiver = new Persistence::AutomatonArchiver;
}

void SimpleFilmDeposition2D::step()
{
    const int h = height;
    const FilmCell* current = cells;
    FilmCell* next = nextCells;
    unsigned char* near = nearSolid.data();

    // The Moore test is separable: first each column marks the sites with a
    // non-empty site at y - 1, y or y + 1, then a site is near material when
    // one of the three columns x - 1, x, x + 1 marks it.
    ColumnBands::run(width, [=](int begin, int end) {
        for (int x = begin; x < end; ++x) {
            const FilmCell* column = current + static_cast<std::size_t>(x) * h;
            unsigned char* mark = near + static_cast<std::size_t>(x) * h;
            unsigned char below = 0;
            unsigned char here = column[0].type != Empty;
            for (int y = 0; y < h; ++y) {
                const unsigned char above = y + 1 < h ? column[y + 1].type != Empty : 0;
                mark[y] = below | here | above;
                below = here;
                here = above;
            }
        }
    });
    ColumnBands::run(width, [=](int begin, int end) {
        const int w = width;
        for (int x = begin; x < end; ++x) {
            const std::size_t offset = static_cast<std::size_t>(x) * h;
            const unsigned char* middle = near + offset;
            const unsigned char* left = x > 0 ? middle - h : middle;
            const unsigned char* right = x + 1 < w ? middle + h : middle;
            const FilmCell* from = current + offset;
            FilmCell* to = next + offset;
            for (int y = 0; y < h; ++y) {
                // The whole cell is copied so value and stamp stay defined.
                FilmCell cell = from[y];
                if (cell.type == Empty && (left[y] | middle[y] | right[y]))
                    cell.type = Film;
                to[y] = cell;
            }
        }
    });

    finishStep();
    logIsotropy();
}

void SimpleFilmDeposition2D::save()
{
    saveImage();
}

const float* SimpleFilmDeposition2D::getColor(const FilmCell& cell)
{
    return filmDepositionColor(cell.type);
}

SimpleFilmDeposition2D::Isotropy SimpleFilmDeposition2D::measureIsotropy(int radius) const
{
    Isotropy result;
    const long long r2 = static_cast<long long>(radius) * radius;
    const int cx = width / 2;
    const int cy = height / 2;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const long long dx = x - cx;
            const long long dy = y - cy;
            const FilmDepositionCell type = cells[x * height + y].type;
            if (dx * dx + dy * dy <= r2) {
                ++result.sites;
                if (type != Film)
                    ++result.errors;
            } else if (type != Empty) {
                ++result.errors;
            }
        }
    }
    return result;
}

int SimpleFilmDeposition2D::isotropyRadius()
{
    return sharedIsotropyRadius.load();
}

void SimpleFilmDeposition2D::logIsotropy()
{
    const int radius = sharedIsotropyRadius.fetch_add(1);
    // Measuring costs a sweep of the lattice: only when someone listens.
    if (!lcFilmIsotropy().isInfoEnabled())
        return;
    const Isotropy isotropy = measureIsotropy(radius);
    const double ratio = isotropy.sites > 0
                             ? static_cast<double>(isotropy.errors) / static_cast<double>(isotropy.sites)
                             : 0.0;
    qCInfo(lcFilmIsotropy).noquote()
        << QStringLiteral("%1,%2,%3").arg(radius).arg(isotropy.errors).arg(ratio, 0, 'g', 6);
}

} // namespace FilmDeposition
} // namespace Automata
