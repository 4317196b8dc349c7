#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "../Surfaces/cellsurface.h"
#include "../automaton3d.h"
#include "../sizecheck.h"

namespace Automata {
namespace FilmDeposition {

// Conformal film on a height-map volume by a 3D vector distance transform.
// Each voxel keeps the per-axis distances to its nearest substrate voxel; an
// empty voxel becomes film of the current colour when that vector is shorter
// than the film thickness. Only a front of voxels that may still change is
// updated, split over worker tasks by slabs of whole x layers. The volume
// wraps around along x and y, not along z: the top of the volume is open sky.
//
// Voxel states: 0 empty, 1 substrate, 2 to 5 the olive, green, blue and purple
// films. Results do not depend on the number of tasks.
class DistanceCountingFilmDeposition3D : public Automaton3D<int> {
public:
    struct Vector {
        float x;
        float y;
        float z;
    };

    static constexpr int firstFilmState = 2;
    static constexpr int lastState = 5;

    // Copies width x height x depth voxel states in volume order; voxels of
    // state 1 are the fixed substrate, all others start empty.
    DistanceCountingFilmDeposition3D(int width, int height, int depth, const int* states);

    // What the model holds for a width x height x depth volume, beside the
    // states its loader converted (`inputs` buffers of one int per voxel).
    static SizeCheck memoryCheck(int width, int height, int depth, int inputs = 0);

    // One concurrent front update.
    void step() override;
    // The model has no picture of its own to save.
    void save() override;
    void setSaveAll(bool saveAll, int interval) override;
    double getTime() override;
    std::string getTimeInfo() override;
    const float* getColor(const int& cell) override;

    // Rebuilds the surfaces of states 1 to 5 and marks them fresh; when they
    // would not fit in memory, warns and leaves them empty and not fresh.
    virtual void regenerateSurfaces();
    // The surface around the voxels of state t, 1 to 5.
    virtual const Surfaces::CellSurface& surface(int t);
    virtual bool surfacesFresh();
    // The state voxels that become film take from now on.
    virtual void setFilmState(int state);
    // Voxels closer than t to the substrate become film from now on.
    virtual void setThickness(double t);

    int getFilmState() const { return filmState; }
    float getThickness() const { return maxComponent; }
    const Vector& vectorAt(std::int64_t voxel) const { return vectors[voxel]; }
    int getTaskCount() const { return static_cast<int>(tasks.size()); }

private:
    // Aligned to a cache line, so tasks filling their lists never share one.
    struct alignas(64) Task {
        // Voxels the task changed in this step, and for every other task the
        // voxels of that task's slab that those changes woke.
        std::vector<std::int64_t> changed;
        std::vector<std::vector<std::int64_t>> outbox;
    };

    // Updates the voxels of the task's slab in the front into the next
    // buffers, marks what stays or wakes in its slab for the next front and
    // hands woken voxels of other slabs to their tasks.
    void updateFront(int task);
    // Marks what other tasks handed over, and writes the task's changed
    // voxels into the current buffers as well, so a voxel that leaves the
    // front keeps its value in both.
    void gatherFront(int task);
    void updateVoxel(int task, std::int64_t i, int x, int y, int z);
    // Queues a woken voxel, lying at x, for the next front.
    void wake(int task, std::int64_t voxel, int x);
    bool buildSurfaces();

    float maxComponent = 20.0f;
    float maxDistanceSquared = 400.0f;
    double stepsDone = 0.0;
    std::vector<Surfaces::CellSurface> surfaces;
    bool fresh = false;
    int filmState = firstFilmState;

    std::vector<Vector> vectors;
    std::vector<Vector> nextVectors;
    std::vector<unsigned char> fixed;
    // One byte per voxel: in the front of this step, and in the next one.
    // Each task writes the bytes of its own slab only.
    std::vector<unsigned char> front;
    std::vector<unsigned char> nextFront;
    std::vector<Task> tasks;
    // Columns [first, second) of each task's slab, and the task owning each x.
    std::vector<std::pair<int, int>> slabs;
    std::vector<int> ownerOfX;
};

} // namespace FilmDeposition
} // namespace Automata
