#pragma once

#include "../painter.h"

namespace Automata {
namespace MixedAutomata {

class ProcessState;
class VoxelLattice;

// Draws the microfabrication volume voxel by voxel: each occupied voxel as a
// cube with dark outlines and faces in its material's colour, silicon as
// small green atoms when asked, empty voxels as outlines when asked, and the
// masks as translucent red squares below and above the volume.
class MixedAutomatonManagerPainter : public Painter {
public:
    MixedAutomatonManagerPainter(Automaton* manager, VoxelLattice& lattice, const ProcessState& state);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

    void setRenderSiAtoms(bool value) { renderSiAtoms = value; }
    void setRenderEmptyVoxels(bool value) { renderEmptyVoxels = value; }
    bool rendersSiAtoms() const { return renderSiAtoms; }
    bool rendersEmptyVoxels() const { return renderEmptyVoxels; }

    static constexpr float atomRadius = 0.1f;

private:
    void paintVoxels();
    void paintMasks();

    VoxelLattice& lattice;
    const ProcessState& state;
    bool renderSiAtoms = false;
    bool renderEmptyVoxels = false;
};

} // namespace MixedAutomata
} // namespace Automata
