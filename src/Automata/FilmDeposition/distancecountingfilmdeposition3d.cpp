#include "distancecountingfilmdeposition3d.h"

#include <algorithm>
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
      queued(cellCount(), 0)
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

    // The first fronts: every empty face neighbour of the substrate, in the
    // slab of the task that owns it, wherever the substrate voxel lies.
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
                    if (n < 0 || fixed[static_cast<std::size_t>(n)] || cells[n] != 0
                        || queued[static_cast<std::size_t>(n)])
                        continue;
                    queued[static_cast<std::size_t>(n)] = 1;
                    tasks[static_cast<std::size_t>(ownerOfX[static_cast<std::size_t>(n / strideX)])]
                        .front.push_back(n);
                }
            }
        }
    }
    for (Task& task : tasks) {
        std::sort(task.front.begin(), task.front.end());
        for (const std::int64_t voxel : task.front)
            queued[static_cast<std::size_t>(voxel)] = 0;
    }

    fresh = buildSurfaces();
    painter = new DistanceCountingFilmDeposition3DPainter(this);
}

SizeCheck DistanceCountingFilmDeposition3D::memoryCheck(int width, int height, int depth,
                                                        int inputs)
{
    SizeCheck check({width, height, depth});
    check.perSite<int>(2 + inputs).perSite<Vector>(2).perSite<unsigned char>(2);
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
    stepsDone += 1.0;
    finishStep();
}

void DistanceCountingFilmDeposition3D::handTo(int task, std::int64_t voxel)
{
    if (fixed[static_cast<std::size_t>(voxel)])
        return;
    const std::int64_t strideX = static_cast<std::int64_t>(height) * depth;
    const int owner = ownerOfX[static_cast<std::size_t>(voxel / strideX)];
    Task& self = tasks[static_cast<std::size_t>(task)];
    if (owner == task)
        self.kept.push_back(voxel);
    else
        self.outbox[static_cast<std::size_t>(owner)].push_back(voxel);
}

void DistanceCountingFilmDeposition3D::updateFront(int taskIndex)
{
    Task& task = tasks[static_cast<std::size_t>(taskIndex)];
    task.kept.clear();
    task.changed.clear();
    for (std::vector<std::int64_t>& box : task.outbox)
        box.clear();

    const int w = width;
    const int h = height;
    const int d = depth;
    const std::int64_t strideX = static_cast<std::int64_t>(h) * d;
    const float bound = maxComponent;
    const float limit = maxDistanceSquared;
    const int film = filmState;
    const int* state = cells;
    int* nextState = nextCells;
    const Vector* current = vectors.data();
    Vector* next = nextVectors.data();

    for (const std::int64_t i : task.front) {
        const int z = static_cast<int>(i % d);
        const std::int64_t column = i / d;
        const int y = static_cast<int>(column % h);
        const int x = static_cast<int>(column / h);
        const std::int64_t xl = x > 0 ? i - strideX : i + (w - 1) * strideX;
        const std::int64_t xr = x + 1 < w ? i + strideX : i - (w - 1) * strideX;
        const std::int64_t yl = y > 0 ? i - d : i + static_cast<std::int64_t>(h - 1) * d;
        const std::int64_t yr = y + 1 < h ? i + d : i - static_cast<std::int64_t>(h - 1) * d;

        Vector v = current[i];
        float best = v.x * v.x + v.y * v.y + v.z * v.z;
        int s = state[i];
        const auto offer = [&](const Vector& n, float ax, float ay, float az) {
            const Vector c{n.x + ax, n.y + ay, n.z + az};
            if (!(c.x < bound && c.y < bound && c.z < bound))
                return;
            const float length = c.x * c.x + c.y * c.y + c.z * c.z;
            if (length < best && length < limit) {
                v = c;
                best = length;
                s = film;
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

        nextState[i] = s;
        next[i] = v;
        const Vector& old = current[i];
        if (s == state[i] && v.x == old.x && v.y == old.y && v.z == old.z) {
            if (s == 0)
                task.kept.push_back(i);
            continue;
        }
        task.changed.push_back(i);
        handTo(taskIndex, xl);
        handTo(taskIndex, yl);
        if (z > 0)
            handTo(taskIndex, i - 1);
        handTo(taskIndex, xr);
        handTo(taskIndex, yr);
        if (z + 1 < d)
            handTo(taskIndex, i + 1);
    }
}

void DistanceCountingFilmDeposition3D::gatherFront(int taskIndex)
{
    Task& task = tasks[static_cast<std::size_t>(taskIndex)];
    std::vector<std::int64_t>& front = task.front;
    front.clear();
    const auto take = [&](const std::vector<std::int64_t>& voxels) {
        for (const std::int64_t voxel : voxels) {
            unsigned char& mark = queued[static_cast<std::size_t>(voxel)];
            if (!mark) {
                mark = 1;
                front.push_back(voxel);
            }
        }
    };
    take(task.kept);
    for (const Task& other : tasks)
        take(other.outbox[static_cast<std::size_t>(taskIndex)]);
    // In volume order, so the next update walks memory forwards.
    std::sort(front.begin(), front.end());
    for (const std::int64_t voxel : front)
        queued[static_cast<std::size_t>(voxel)] = 0;

    for (const std::int64_t voxel : task.changed) {
        cells[voxel] = nextCells[voxel];
        vectors[static_cast<std::size_t>(voxel)] = nextVectors[static_cast<std::size_t>(voxel)];
    }
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
