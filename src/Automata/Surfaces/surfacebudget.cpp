#include "surfacebudget.h"

#include <algorithm>

#include "../sizecheck.h"
#include "Interaction/interaction.h"
#include "cellsurface.h"
#include "surfacetriangle.h"

namespace Automata {
namespace Surfaces {

long long SurfaceBudget::bytes(long long triangles)
{
    return SizeCheck({triangles}).perSite<SurfaceTriangle>().bytes();
}

long long SurfaceBudget::available(long long heldBytes)
{
    return std::max(0LL, SizeCheck::budget() - std::max(0LL, heldBytes));
}

bool SurfaceBudget::fits(long long triangles, long long heldBytes)
{
    return bytes(triangles) <= available(heldBytes);
}

QString SurfaceBudget::warningTitle()
{
    return QStringLiteral("Surface Not Built");
}

QString SurfaceBudget::warningText(long long triangles, long long heldBytes)
{
    return QStringLiteral("The surfaces need %1 triangles and %2 of memory, more than the %3 "
                          "the volume leaves free. The volume is drawn as points.")
        .arg(triangles)
        .arg(QString::fromStdString(SizeCheck::memoryText(bytes(triangles))),
             QString::fromStdString(SizeCheck::memoryText(available(heldBytes))));
}

bool SurfaceBudget::warnIfRefused(const std::vector<CellSurface>& surfaces, long long heldBytes)
{
    long long needed = 0;
    bool refused = false;
    for (const CellSurface& surface : surfaces) {
        refused = refused || surface.isRefused();
        needed += surface.neededTriangles();
    }
    if (refused)
        Interaction::interaction().warning(nullptr, warningTitle(),
                                           warningText(needed, heldBytes));
    return refused;
}

} // namespace Surfaces
} // namespace Automata
