#pragma once

#include <string>
#include <vector>

#include "../automaton3d.h"
#include "../painter3d.h"
#include "filmcell.h"
#include "filmcelltypecomparer.h"
#include "huygensemission.h"
#include "huygensparameters.h"
#include "huygensrays.h"
#include "occupationlaw.h"

namespace Automata {
namespace FilmDeposition {

// The directional Huygens deposition on a volume: film touching empty space
// (26 neighbours, beyond the volume void) and substrate with empty space
// right above it (z + 1) deposit a ball whose radius follows the share of
// directions they see blocked. Drawn as the surfaces of the empty space and
// of the substrate, rebuilt after every step.
class AnisotropicDirectionalHuygensDeposition3D : public Automaton3D<FilmCell> {
public:
    using Volume = Painter3D<FilmCell, FilmCellTypeComparer>;

    // Copies width x height x depth voxels in volume order into both buffers.
    AnisotropicDirectionalHuygensDeposition3D(int width, int height, int depth,
                                              const FilmCell* initial,
                                              const HuygensParameters& parameters);

    void step() override;
    void save() override;
    double getTime() override;
    std::string getTimeInfo() override;
    const float* getColor(const FilmCell& cell) override;
    // A width x depth picture of the slice y = height / 2, the top of the
    // volume in the first row.
    void exportImage(unsigned char* red, unsigned char* green, unsigned char* blue) override;

    // The share of directions open from (x, y, z) in the current volume.
    double visibleFraction(int x, int y, int z) const;
    // Whether the voxel deposits this step, in the current volume.
    bool isSource(int x, int y, int z) const;

    Volume* volumePainter() { return static_cast<Volume*>(painter); }

private:
    using Source = HuygensEmission::Source;

    long long reach(int x, int y, int z) const;

    float rate;
    float timeStep;
    float elapsedTime = 0.0f;
    float cellSize;
    float occupationThreshold;
    float maximumOccupation;
    float radiusMultiplier;
    OccupationLaw law;
    HuygensRays rays;
    std::vector<unsigned char> reached;
};

} // namespace FilmDeposition
} // namespace Automata
