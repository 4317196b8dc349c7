#include "simplefilmdeposition3d.h"

#include <algorithm>

#include "../Surfaces/referencematch.h"
#include "../Surfaces/surfacebudget.h"
#include "../columnbands.h"
#include "../sizecheck.h"
#include "filmcelltypecomparer.h"
#include "simplefilmdeposition3dpainter.h"

namespace Automata {
namespace FilmDeposition {

namespace {

inline unsigned char isSolid(const FilmCell& cell)
{
    return cell.type == Substrate || cell.type == Film;
}

// A surface encloses the voxels of the reference's material.
using SameMaterial = Surfaces::ReferenceMatch<FilmCell, FilmCellTypeComparer>;

} // namespace

SimpleFilmDeposition3D::SimpleFilmDeposition3D(int width, int height, int depth,
                                               const FilmCell* initial)
    : Automaton3D<FilmCell>(width, height, depth), nearAlongZ(cellCount()),
      nearAlongYZ(cellCount())
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    buildSurfaces(false);
    painter = new SimpleFilmDeposition3DPainter(this);
}

void SimpleFilmDeposition3D::step()
{
    const int h = height;
    const int d = depth;
    const std::size_t slab = static_cast<std::size_t>(h) * d;
    const FilmCell* current = cells;
    FilmCell* next = nextCells;
    unsigned char* alongZ = nearAlongZ.data();
    unsigned char* alongYZ = nearAlongYZ.data();

    // The 26-neighbourhood test is a 3 x 3 x 3 dilation, done one axis at a
    // time; everything beyond the volume counts as not solid. Both first
    // passes stay within one x slab, so a band does them together.
    ColumnBands::run(width, [=](int begin, int end) {
        for (int x = begin; x < end; ++x) {
            const std::size_t base = static_cast<std::size_t>(x) * slab;
            for (int y = 0; y < h; ++y) {
                const FilmCell* column = current + base + static_cast<std::size_t>(y) * d;
                unsigned char* mark = alongZ + base + static_cast<std::size_t>(y) * d;
                unsigned char below = 0;
                unsigned char here = isSolid(column[0]);
                for (int z = 0; z < d; ++z) {
                    const unsigned char above = z + 1 < d ? isSolid(column[z + 1]) : 0;
                    mark[z] = below | here | above;
                    below = here;
                    here = above;
                }
            }
            for (int y = 0; y < h; ++y) {
                const unsigned char* middle = alongZ + base + static_cast<std::size_t>(y) * d;
                const unsigned char* front = y > 0 ? middle - d : middle;
                const unsigned char* back = y + 1 < h ? middle + d : middle;
                unsigned char* mark = alongYZ + base + static_cast<std::size_t>(y) * d;
                for (int z = 0; z < d; ++z)
                    mark[z] = front[z] | middle[z] | back[z];
            }
        }
    });
    ColumnBands::run(width, [=](int begin, int end) {
        const int w = width;
        for (int x = begin; x < end; ++x) {
            const std::size_t base = static_cast<std::size_t>(x) * slab;
            const unsigned char* middle = alongYZ + base;
            const unsigned char* left = x > 0 ? middle - slab : middle;
            const unsigned char* right = x + 1 < w ? middle + slab : middle;
            const FilmCell* from = current + base;
            FilmCell* to = next + base;
            for (std::size_t i = 0; i < slab; ++i) {
                // Copied whole so value and stamp stay defined.
                FilmCell cell = from[i];
                if (!isSolid(cell))
                    cell.type = (left[i] | middle[i] | right[i]) ? Film : Empty;
                to[i] = cell;
            }
        }
    });

    fresh = false;
    finishStep();
}

void SimpleFilmDeposition3D::save()
{
}

const float* SimpleFilmDeposition3D::getColor(const FilmCell& cell)
{
    return filmDepositionColor(cell.type);
}

void SimpleFilmDeposition3D::regenerateSurfaces()
{
    fresh = buildSurfaces(true);
}

const Surfaces::CellSurface& SimpleFilmDeposition3D::filmSurface()
{
    return surfaces[0];
}

const Surfaces::CellSurface& SimpleFilmDeposition3D::substrateSurface()
{
    return surfaces[1];
}

bool SimpleFilmDeposition3D::surfacesFresh()
{
    return fresh;
}

bool SimpleFilmDeposition3D::buildSurfaces(bool closed)
{
    // The old surfaces go first, so they never hold memory beside the new ones.
    surfaces.clear();
    std::vector<Surfaces::SurfaceScan> scans;
    for (const FilmCell& reference : {FilmCell::filmReference(), FilmCell::substrateReference()})
        scans.push_back(closed ? Surfaces::SurfaceScan::closed(width, height, depth, cells,
                                                               SameMaterial(reference),
                                                               FilmCell::outsideCell())
                               : Surfaces::SurfaceScan::open(width, height, depth, cells,
                                                             SameMaterial(reference)));
    // Beside the surfaces, the model holds its two buffers and two bytes per
    // voxel of neighbourhood tables.
    const long long held = SizeCheck({width, height, depth})
                               .perSite<FilmCell>(2)
                               .perSite<unsigned char>(2)
                               .bytes();
    surfaces = Surfaces::CellSurface::build(scans, held);
    return !Surfaces::SurfaceBudget::warnIfRefused(surfaces, held);
}

} // namespace FilmDeposition
} // namespace Automata
