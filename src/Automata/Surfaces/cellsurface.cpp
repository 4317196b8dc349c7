#include "cellsurface.h"

#include <utility>

#include "surfacebudget.h"

namespace Automata {
namespace Surfaces {

std::vector<CellSurface> CellSurface::build(const std::vector<SurfaceScan>& scans,
                                            long long heldBytes)
{
    long long total = 0;
    for (const SurfaceScan& scan : scans)
        total += scan.triangleCount();
    const bool fits = SurfaceBudget::fits(total, heldBytes);
    std::vector<CellSurface> surfaces;
    surfaces.reserve(scans.size());
    for (const SurfaceScan& scan : scans) {
        CellSurface surface(scan.getWidth(), scan.getHeight(), scan.getDepth(), scan.isClosed());
        surface.needed = scan.triangleCount();
        surface.refused = !fits;
        if (fits) {
            // Exactly what was counted, so the list never grows past it.
            surface.triangles.reserve(static_cast<std::size_t>(surface.needed));
            MarchingCubes::triangulate(scan.getCubes(), surface.triangles);
        }
        surfaces.push_back(std::move(surface));
    }
    return surfaces;
}

CellSurface CellSurface::fromScan(SurfaceScan&& scan)
{
    std::vector<SurfaceScan> scans;
    scans.push_back(std::move(scan));
    return std::move(build(scans, 0).front());
}

} // namespace Surfaces
} // namespace Automata
