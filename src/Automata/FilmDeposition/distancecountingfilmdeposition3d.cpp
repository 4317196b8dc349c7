#include "distancecountingfilmdeposition3d.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "../Surfaces/surfacebudget.h"
#include "../columnbands.h"
#include "../workers.h"
#include "distancecountingfilmdeposition3dpainter.h"

namespace Automata {
namespace FilmDeposition {

namespace {

const float farAway = std::numeric_limits<float>::max();

} // namespace

DistanceCountingFilmDeposition3D::DistanceCountingFilmDeposition3D(int width, int height,
                                                                   int depth, const int* states)
    : Automaton3D<int>(width, height, depth), vectors(cellCount()), fixed(cellCount(), 0),
      front(cellCount(), 0), nextFront(cellCount(), 0)
{
    const std::size_t count = cellCount();
    for (std::size_t i = 0; i < count; ++i) {
        const bool substrate = states[i] == 1;
        cells[i] = substrate ? 1 : 0;
        fixed[i] = substrate;
        vectors[i] = substrate ? Vector{0.0f, 0.0f, 0.0f} : Vector{farAway, farAway, farAway};
    }
    // Only front voxels are written in a step, so both buffers start equal
    // and stay so.
    std::copy(cells, cells + count, nextCells);
    nextVectors = vectors;

    slabs = ColumnBands::split(width, workerCount());
    ownerOfX.assign(static_cast<std::size_t>(std::max(width, 0)), 0);
    tasks.resize(slabs.size());
    for (std::size_t t = 0; t < slabs.size(); ++t) {
        for (int x = slabs[t].first; x < slabs[t].second; ++x)
            ownerOfX[static_cast<std::size_t>(x)] = static_cast<int>(t);
        tasks[t].outbox.resize(slabs.size());
    }

    // The first front: every empty face neighbour of the substrate, whichever
    // slab either lies in.
    const std::int64_t strideX = static_cast<std::int64_t>(height) * depth;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const std::int64_t column = x * strideX + static_cast<std::int64_t>(y) * depth;
            for (int z = 0; z < depth; ++z) {
                if (!fixed[static_cast<std::size_t>(column + z)])
                    continue;
                const int xl = x > 0 ? x - 1 : width - 1;
                const int xr = x + 1 < width ? x + 1 : 0;
                const int yl = y > 0 ? y - 1 : height - 1;
                const int yr = y + 1 < height ? y + 1 : 0;
                const std::int64_t neighbours[6] = {
                    xl * strideX + static_cast<std::int64_t>(y) * depth + z,
                    x * strideX + static_cast<std::int64_t>(yl) * depth + z,
                    z > 0 ? column + z - 1 : -1,
                    xr * strideX + static_cast<std::int64_t>(y) * depth + z,
                    x * strideX + static_cast<std::int64_t>(yr) * depth + z,
                    z + 1 < depth ? column + z + 1 : -1};
                for (const std::int64_t n : neighbours) {
                    if (n >= 0 && !fixed[static_cast<std::size_t>(n)] && cells[n] == 0)
                        front[static_cast<std::size_t>(n)] = 1;
                }
            }
        }
    }

    fresh = buildSurfaces();
    painter = new DistanceCountingFilmDeposition3DPainter(this);
}

SizeCheck DistanceCountingFilmDeposition3D::memoryCheck(int width, int height, int depth,
                                                        int inputs)
{
    SizeCheck check({width, height, depth});
    check.perSite<int>(2 + inputs).perSite<Vector>(2).perSite<unsigned char>(3);
    return check;
}

void DistanceCountingFilmDeposition3D::step()
{
    fresh = false;
    // The join after the first pass is the barrier: no task gathers before
    // every task has handed over what it found.
    ColumnBands::run(slabs, [this](int first, int) {
        updateFront(ownerOfX[static_cast<std::size_t>(first)]);
    });
    ColumnBands::run(slabs, [this](int first, int) {
        gatherFront(ownerOfX[static_cast<std::size_t>(first)]);
    });
    vectors.swap(nextVectors);
    front.swap(nextFront);
    stepsDone += 1.0;
    finishStep();
}

void DistanceCountingFilmDeposition3D::wake(int task, std::int64_t voxel, int x)
{
    if (fixed[static_cast<std::size_t>(voxel)])
        return;
    const int owner = ownerOfX[static_cast<std::size_t>(x)];
    if (owner == task)
        nextFront[static_cast<std::size_t>(voxel)] = 1;
    else
        tasks[static_cast<std::size_t>(task)].outbox[static_cast<std::size_t>(owner)].push_back(voxel);
}

void DistanceCountingFilmDeposition3D::updateFront(int taskIndex)
{
    Task& task = tasks[static_cast<std::size_t>(taskIndex)];
    task.changed.clear();
    for (std::vector<std::int64_t>& box : task.outbox)
        box.clear();
    const int d = depth;
    const std::pair<int, int> slab = slabs[static_cast<std::size_t>(taskIndex)];
    for (int x = slab.first; x < slab.second; ++x) {
        for (int y = 0; y < height; ++y) {
            const std::int64_t base = (static_cast<std::int64_t>(x) * height + y) * d;
            const unsigned char* marks = front.data() + base;
            // Most of a column is not in the front: skip it eight bytes at a time.
            for (int z0 = 0; z0 < d; z0 += 8) {
                const int end = std::min(z0 + 8, d);
                if (end - z0 == 8) {
                    std::uint64_t word;
                    std::memcpy(&word, marks + z0, sizeof word);
                    if (!word)
                        continue;
                }
                for (int z = z0; z < end; ++z)
                    if (marks[z])
                        updateVoxel(taskIndex, base + z, x, y, z);
            }
        }
    }
}

void DistanceCountingFilmDeposition3D::updateVoxel(int taskIndex, std::int64_t i, int x, int y,
                                                   int z)
{
    const int w = width;
    const int h = height;
    const int d = depth;
    const std::int64_t strideX = static_cast<std::int64_t>(h) * d;
    const int xLeft = x > 0 ? x - 1 : w - 1;
    const int xRight = x + 1 < w ? x + 1 : 0;
    const std::int64_t xl = i + (xLeft - x) * strideX;
    const std::int64_t xr = i + (xRight - x) * strideX;
    const std::int64_t yl = y > 0 ? i - d : i + static_cast<std::int64_t>(h - 1) * d;
    const std::int64_t yr = y + 1 < h ? i + d : i - static_cast<std::int64_t>(h - 1) * d;
    const float bound = maxComponent;
    const float limit = maxDistanceSquared;
    const Vector* current = vectors.data();

    Vector v = current[i];
    float best = v.x * v.x + v.y * v.y + v.z * v.z;
    int s = cells[i];
    const auto offer = [&](const Vector& n, float ax, float ay, float az) {
        const Vector c{n.x + ax, n.y + ay, n.z + az};
        if (!(c.x < bound && c.y < bound && c.z < bound))
            return;
        const float length = c.x * c.x + c.y * c.y + c.z * c.z;
        if (length < best && length < limit) {
            v = c;
            best = length;
            s = filmState;
        }
    };
    offer(current[xl], 1.0f, 0.0f, 0.0f);
    offer(current[yl], 0.0f, 1.0f, 0.0f);
    if (z > 0)
        offer(current[i - 1], 0.0f, 0.0f, 1.0f);
    offer(current[xr], 1.0f, 0.0f, 0.0f);
    offer(current[yr], 0.0f, 1.0f, 0.0f);
    if (z + 1 < d)
        offer(current[i + 1], 0.0f, 0.0f, 1.0f);

    nextCells[i] = s;
    nextVectors[static_cast<std::size_t>(i)] = v;
    const Vector& old = current[i];
    if (s == cells[i] && v.x == old.x && v.y == old.y && v.z == old.z) {
        // Unchanged: only a voxel still empty may change later.
        if (s == 0)
            nextFront[static_cast<std::size_t>(i)] = 1;
        return;
    }
    tasks[static_cast<std::size_t>(taskIndex)].changed.push_back(i);
    wake(taskIndex, xl, xLeft);
    wake(taskIndex, yl, x);
    if (z > 0)
        wake(taskIndex, i - 1, x);
    wake(taskIndex, xr, xRight);
    wake(taskIndex, yr, x);
    if (z + 1 < d)
        wake(taskIndex, i + 1, x);
}

void DistanceCountingFilmDeposition3D::gatherFront(int taskIndex)
{
    for (const Task& other : tasks)
        for (const std::int64_t voxel : other.outbox[static_cast<std::size_t>(taskIndex)])
            nextFront[static_cast<std::size_t>(voxel)] = 1;
    for (const std::int64_t voxel : tasks[static_cast<std::size_t>(taskIndex)].changed) {
        cells[voxel] = nextCells[voxel];
        vectors[static_cast<std::size_t>(voxel)] = nextVectors[static_cast<std::size_t>(voxel)];
    }
    // This step's front of the slab is done with; it becomes the scratch of the next.
    const std::pair<int, int> slab = slabs[static_cast<std::size_t>(taskIndex)];
    const std::size_t slabSize = static_cast<std::size_t>(height) * depth;
    std::memset(front.data() + slab.first * slabSize, 0,
                (slab.second - slab.first) * slabSize);
}

void DistanceCountingFilmDeposition3D::save()
{
}

void DistanceCountingFilmDeposition3D::setSaveAll(bool, int)
{
}

double DistanceCountingFilmDeposition3D::getTime()
{
    return stepsDone;
}

std::string DistanceCountingFilmDeposition3D::getTimeInfo()
{
    return " steps";
}

const float* DistanceCountingFilmDeposition3D::getColor(const int& cell)
{
    static const float colors[6][3] = {{1.0f, 1.0f, 1.0f}, {1.0f, 0.0f, 0.0f},
                                       {0.7f, 0.7f, 0.0f}, {0.0f, 1.0f, 0.0f},
                                       {0.0f, 0.0f, 1.0f}, {0.5f, 0.0f, 0.5f}};
    return colors[cell >= 0 && cell <= lastState ? cell : 0];
}

void DistanceCountingFilmDeposition3D::regenerateSurfaces()
{
    fresh = buildSurfaces();
}

const Surfaces::CellSurface& DistanceCountingFilmDeposition3D::surface(int t)
{
    static const Surfaces::CellSurface none;
    if (t < 1 || t > lastState || surfaces.size() < static_cast<std::size_t>(t))
        return none;
    return surfaces[static_cast<std::size_t>(t - 1)];
}

bool DistanceCountingFilmDeposition3D::surfacesFresh()
{
    return fresh;
}

void DistanceCountingFilmDeposition3D::setFilmState(int state)
{
    filmState = state;
}

void DistanceCountingFilmDeposition3D::setThickness(double t)
{
    maxComponent = static_cast<float>(t);
    maxDistanceSquared = static_cast<float>(t * t);
}

bool DistanceCountingFilmDeposition3D::buildSurfaces()
{
    // The old surfaces go first, so they never hold memory beside the new ones.
    surfaces.clear();
    std::vector<Surfaces::SurfaceScan> scans;
    for (int t = 1; t <= lastState; ++t)
        scans.push_back(Surfaces::SurfaceScan::closed(width, height, depth, cells,
                                                      [t](int cell) { return cell == t; }));
    const long long held = memoryCheck(width, height, depth).bytes();
    surfaces = Surfaces::CellSurface::build(scans, held);
    return !Surfaces::SurfaceBudget::warnIfRefused(surfaces, held);
}

} // namespace FilmDeposition
} // namespace Automata
