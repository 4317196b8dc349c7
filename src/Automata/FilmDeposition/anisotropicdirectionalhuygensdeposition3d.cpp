#include "anisotropicdirectionalhuygensdeposition3d.h"

#include <algorithm>
#include <cmath>

#include "../../Persistence/automatonarchiver.h"

namespace Automata {
namespace FilmDeposition {

namespace {

double windowRadius(const HuygensParameters& p, int width, int height, int depth)
{
    const double diagonal = std::sqrt(static_cast<double>(width) * width
                                      + static_cast<double>(height) * height
                                      + static_cast<double>(depth) * depth);
    return std::min(static_cast<double>(p.timeStep * p.rate) * p.radiusMultiplier, diagonal);
}

} // namespace

AnisotropicDirectionalHuygensDeposition3D::AnisotropicDirectionalHuygensDeposition3D(
    int width, int height, int depth, const FilmCell* initial, const HuygensParameters& parameters)
    : Automaton3D<FilmCell>(width, height, depth), rate(parameters.rate),
      timeStep(parameters.timeStep), cellSize(parameters.cellSize),
      occupationThreshold(parameters.occupationThreshold),
      maximumOccupation(parameters.maximumOccupation),
      radiusMultiplier(parameters.radiusMultiplier), law(parameters),
      rays(windowRadius(parameters, width, height, depth), false, width, height, depth)
{
    std::copy(initial, initial + cellCount(), cells);
    std::copy(initial, initial + cellCount(), nextCells);
    painter = new Volume(this, {FilmCell(Empty, 0.0f), FilmCell(Substrate, 1.0f)});
    archiver = new Persistence::AutomatonArchiver;
}

bool AnisotropicDirectionalHuygensDeposition3D::isSource(int x, int y, int z) const
{
    const FilmCell* c = cells + index(x, y, z);
    if (c->type == Substrate)
        return z + 1 < depth && c[1].type == Empty;
    if (c->type != Film)
        return false;
    // Beyond the volume is void, never empty: only voxels inside count.
    for (int nx = std::max(0, x - 1); nx <= std::min(width - 1, x + 1); ++nx)
        for (int ny = std::max(0, y - 1); ny <= std::min(height - 1, y + 1); ++ny)
            for (int nz = std::max(0, z - 1); nz <= std::min(depth - 1, z + 1); ++nz)
                if (cells[index(nx, ny, nz)].type == Empty)
                    return true;
    return false;
}

double AnisotropicDirectionalHuygensDeposition3D::visibleFraction(int x, int y, int z) const
{
    return rays.visibleFraction(cells, x, y, z);
}

long long AnisotropicDirectionalHuygensDeposition3D::reach(int x, int y, int z) const
{
    const float radius = timeStep * rate;
    // Only whether the law gives the full radius, none or a share of it
    // matters, so the count may stop early.
    const double seen = rays.decidingFraction(cells, x, y, z, law.fullUpTo(), law.noneAbove());
    const float factor = law.factor(static_cast<float>(1.0 - seen));
    if (factor < 0.0f)
        return -1;
    const double full = radius / cellSize;
    const double shrunk = static_cast<double>(factor) * radius;
    return HuygensEmission::capReach(std::min(full * full, shrunk * shrunk), width, height, depth);
}

void AnisotropicDirectionalHuygensDeposition3D::step()
{
    std::copy(cells, cells + cellCount(), nextCells);
    // Voids go into the current volume only; the next keeps them empty.
    HuygensEmission::markVoids(cells, width, height, depth, reached);
    std::vector<Source> sources = HuygensEmission::collect(width, [this](int x, std::vector<Source>& out) {
        for (int y = 0; y < height; ++y)
            for (int z = 0; z < depth; ++z)
                if (isSource(x, y, z))
                    out.push_back(Source{x, y, z, 0});
    });
    HuygensEmission::measure(sources, [this](const Source& s) { return reach(s.x, s.y, s.z); });
    HuygensEmission::writeDiscs(cells, nextCells, width, height, depth, sources);
    elapsedTime += timeStep;
    finishStep();
    volumePainter()->update();
}

void AnisotropicDirectionalHuygensDeposition3D::save()
{
    saveImage();
}

double AnisotropicDirectionalHuygensDeposition3D::getTime()
{
    return elapsedTime;
}

std::string AnisotropicDirectionalHuygensDeposition3D::getTimeInfo()
{
    return " minutes";
}

const float* AnisotropicDirectionalHuygensDeposition3D::getColor(const FilmCell& cell)
{
    return filmDepositionColor(cell.type);
}

void AnisotropicDirectionalHuygensDeposition3D::exportImage(unsigned char* red,
                                                           unsigned char* green,
                                                           unsigned char* blue)
{
    if (height <= 0)
        return;
    const int y = height / 2;
    for (int x = 0; x < width; ++x)
        for (int z = 0; z < depth; ++z)
            ColorPlanes::put(red, green, blue, static_cast<std::size_t>(x) * depth + (depth - 1 - z),
                             getColor(cells[index(x, y, z)]));
}

} // namespace FilmDeposition
} // namespace Automata
