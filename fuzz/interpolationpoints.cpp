#include "fuzzing.h"

#include <cmath>

#include "Persistence/interpolationdat.h"

// The 2D interpolation rules' DAT points: either a refusal without points,
// which leaves the dialog as it was, or finite points and a grid the dialog
// can show that holds them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Persistence::InterpolationDat;
    const InterpolationDat::Result read = InterpolationDat::read(Fuzz::bytes(data, size));
    if (!read.ok()) {
        Fuzz::require(read.points.empty(), "a refusal with points");
        Fuzz::record(Fuzz::Outcome::Refusal);
        return 0;
    }
    Fuzz::require(!read.points.empty() && read.columns >= 3, "points without their columns");
    for (const InterpolationDat::Point& p : read.points)
        Fuzz::require(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.value),
                      "a point that is not a number");
    const InterpolationDat::Grid grid = InterpolationDat::gridFor(read.points);
    Fuzz::require(grid.sizeX >= 1 && grid.sizeX <= InterpolationDat::maxSize && grid.sizeY >= 1 &&
                      grid.sizeY <= InterpolationDat::maxSize,
                  "a grid the dialog cannot show");
    Fuzz::require(std::isfinite(grid.spacing) && grid.spacing > 0.0, "a grid without a spacing");
    Fuzz::require(InterpolationDat::cellIndex(grid.baseX, grid.baseX, grid.spacing) == 0 &&
                      InterpolationDat::cellIndex(grid.baseY, grid.baseY, grid.spacing) == 0,
                  "the first point outside the first cell");
    Fuzz::record(Fuzz::Outcome::Result);
    return 0;
}
