#include "simplefilmetchdeposimulator3d.h"

#include <algorithm>

#include "../Surfaces/surfacebudget.h"
#include "mooredilation.h"
#include "simplefilmetchdeposimulator3dpainter.h"

namespace Automata {
namespace MixedAutomata {

using FilmDeposition::Empty;
using FilmDeposition::Film;
using FilmDeposition::FilmCell;

SimpleFilmEtchDepoSimulator3D::SimpleFilmEtchDepoSimulator3D(int width, int height, int depth,
                                                             const FilmCell* initial)
    : Automaton3D<FilmCell>(width, height, depth),
      mask(static_cast<std::size_t>(width) * height, 0)
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    painter = new SimpleFilmEtchDepoSimulator3DPainter(this);
    regenerateSurfaces();
}

void SimpleFilmEtchDepoSimulator3D::step()
{
    if (etching)
        etchStep();
    else
        depositStep();
    finishStep();
}

void SimpleFilmEtchDepoSimulator3D::save()
{
}

const float* SimpleFilmEtchDepoSimulator3D::getColor(const FilmCell& cell)
{
    return FilmDeposition::filmDepositionColor(cell.type);
}

void SimpleFilmEtchDepoSimulator3D::depositStep()
{
    const std::uint32_t film = currentFilm;
    MooreDilation::pass(cells, nextCells, width, height, depth,
                        [](const FilmCell& cell) { return cell.type != Empty; },
                        [film](FilmCell cell, bool near, int, int, int) {
                            if (cell.type == Empty && near) {
                                cell.type = Film;
                                cell.stamp = film;
                            }
                            return cell;
                        });
}

void SimpleFilmEtchDepoSimulator3D::etchStep()
{
    const std::uint32_t film = currentFilm;
    const unsigned char* covered = mask.data();
    const std::size_t h = static_cast<std::size_t>(height);
    MooreDilation::pass(cells, nextCells, width, height, depth,
                        [](const FilmCell& cell) { return cell.type == Empty; },
                        [film, covered, h](FilmCell cell, bool near, int x, int y, int) {
                            if (near && cell.type == Film && cell.stamp == film && !covered[x * h + y]) {
                                cell.type = Empty;
                                cell.stamp = emptyNumber;
                            }
                            return cell;
                        });
}

void SimpleFilmEtchDepoSimulator3D::regenerateSurfaces()
{
    // The old surfaces go first, so they never hold memory beside the new ones.
    surfaces.clear();
    std::vector<Surfaces::SurfaceScan> scans;
    for (std::uint32_t material = 1; material <= materialCount; ++material)
        scans.push_back(Surfaces::SurfaceScan::closed(
            width, height, depth, cells,
            [material](const FilmCell& cell) { return cell.stamp == material; }));
    surfaces = Surfaces::CellSurface::build(scans, heldBytes());
    Surfaces::SurfaceBudget::warnIfRefused(surfaces, heldBytes());
}

const Surfaces::CellSurface& SimpleFilmEtchDepoSimulator3D::surface(int material) const
{
    static const Surfaces::CellSurface none;
    if (material < 1 || material > static_cast<int>(surfaces.size()))
        return none;
    return surfaces[material - 1];
}

void SimpleFilmEtchDepoSimulator3D::setMask(const unsigned char* bytes, int maskWidth,
                                            int maskHeight)
{
    const int columns = std::min(width, maskWidth);
    const int rows = std::min(height, maskHeight);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            mask[static_cast<std::size_t>(x) * height + y] =
                bytes[static_cast<std::size_t>(x) * maskHeight + y];
}

void SimpleFilmEtchDepoSimulator3D::clearMask()
{
    std::fill(mask.begin(), mask.end(), 0);
}

SizeCheck SimpleFilmEtchDepoSimulator3D::memoryCheck(int width, int height, int depth)
{
    SizeCheck check({width, height, depth});
    check.perSite<FilmCell>(2).add(1, static_cast<long long>(width) * height, 1);
    return check;
}

long long SimpleFilmEtchDepoSimulator3D::heldBytes() const
{
    return memoryCheck(width, height, depth).bytes();
}

} // namespace MixedAutomata
} // namespace Automata
