#pragma once

#include <cstdint>
#include <vector>

#include "simplefilmetchdeposimulator3d.h"

namespace Automata {
namespace MixedAutomata {

// The film stack with a spherical reach: each step the current film grows
// into every empty voxel within R voxels (Euclidean) of material, or is
// etched wherever empty space lies within R voxels of it, its column being
// open. R = floor(rate * step duration / cell size), recomputed every step;
// R = 0 changes nothing.
class IsotropicFilmEtchDepoSimulator : public SimpleFilmEtchDepoSimulator3D {
public:
    IsotropicFilmEtchDepoSimulator(int width, int height, int depth,
                                   const FilmDeposition::FilmCell* initial, float cellSize,
                                   float rate, float stepDuration);

    void etchStep() override;
    void depositStep() override;

    // The reach of one step. Beyond the volume's diagonal every voxel is in
    // reach already, so larger reaches are that diagonal.
    int reach() const;
    static int reachOf(float rate, float stepDuration, float cellSize, int width, int height,
                       int depth);

    // What the model holds at once: the simple model's buffers and a distance per voxel.
    static SizeCheck memoryCheck(int width, int height, int depth);

protected:
    long long heldBytes() const override;

private:
    // Applies change to every voxel that has a voxel of the source material
    // within the reach.
    template <typename Source, typename Change>
    void reachStep(Source source, Change change);
    template <typename Distance, typename Source, typename Change>
    void reachStepWith(std::vector<Distance>& distances, std::uint64_t reachSquared,
                       Source source, Change change);

    std::vector<std::uint32_t> distances;
    std::vector<std::uint64_t> longDistances;
};

} // namespace MixedAutomata
} // namespace Automata
