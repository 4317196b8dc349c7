#pragma once

#include <cstdint>
#include <vector>

#include "../FilmDeposition/filmcell.h"
#include "../Surfaces/cellsurface.h"
#include "../automaton3d.h"
#include "../sizecheck.h"

namespace Automata {
namespace MixedAutomata {

// A stack of films grown on and etched from a substrate volume. Each voxel
// keeps its material's film number in its stamp: 1 substrate, 2 "Oxide",
// 3 to 6 "Film 1" to "Film 4", 0 empty. One step deposits one voxel layer of
// the current film on every exposed surface (any of the 26 neighbours inside
// the volume not empty), or etches one layer of it where it is exposed and
// its column is not masked. Substrate is never etched, other films never
// touched. The lit surfaces of the six materials are rebuilt on request.
class SimpleFilmEtchDepoSimulator3D : public Automaton3D<FilmDeposition::FilmCell> {
public:
    static constexpr std::uint32_t emptyNumber = 0;
    static constexpr std::uint32_t substrateNumber = 1;
    static constexpr std::uint32_t oxideNumber = 2;
    // Film numbers 1 to materialCount have surfaces.
    static constexpr int materialCount = 6;

    // Copies width x height x depth voxels in volume order and builds the
    // surfaces once.
    SimpleFilmEtchDepoSimulator3D(int width, int height, int depth,
                                  const FilmDeposition::FilmCell* initial);

    void step() override;
    // The model has no picture of its own to save.
    void save() override;
    const float* getColor(const FilmDeposition::FilmCell& cell) override;

    // Rebuilds the closed surface of each material; when they would not fit
    // in memory, warns and leaves them all empty.
    virtual void regenerateSurfaces();
    virtual void etchStep();
    virtual void depositStep();

    void setCurrentFilm(std::uint32_t filmNumber) { currentFilm = filmNumber; }
    std::uint32_t getCurrentFilm() const { return currentFilm; }
    // true: steps etch; false: steps deposit.
    void setEtching(bool etch) { etching = etch; }
    bool isEtching() const { return etching; }
    void setCellSize(float size) { cellSize = size; }
    void setRate(float newRate) { rate = newRate; }
    void setStepDuration(float duration) { stepDuration = duration; }
    float getCellSize() const { return cellSize; }
    float getRate() const { return rate; }
    float getStepDuration() const { return stepDuration; }

    // Covers columns with masking material: column (x, y) takes
    // bytes[x * maskHeight + y] (1 covered, 0 open) for x < min(width,
    // maskWidth) and y < min(height, maskHeight); the other columns keep
    // what they had.
    void setMask(const unsigned char* bytes, int maskWidth, int maskHeight);
    void clearMask();
    // One byte per column, element x * height + y.
    const std::vector<unsigned char>& getMask() const { return mask; }
    bool isMasked(int x, int y) const { return mask[static_cast<std::size_t>(x) * height + y] != 0; }

    // Whether the current film is drawn opaque or see-through.
    void setOpaque(bool opaque) { opaqueFlags[currentFilm % 7] = opaque; }
    bool isOpaque(std::uint32_t filmNumber) const { return opaqueFlags[filmNumber % 7]; }

    // The surface of material 1 .. materialCount.
    const Surfaces::CellSurface& surface(int material) const;

    // What the model holds at once: both buffers and the mask.
    static SizeCheck memoryCheck(int width, int height, int depth);

protected:
    // Bytes the model holds beside its surfaces.
    virtual long long heldBytes() const;

    std::vector<Surfaces::CellSurface> surfaces;
    std::uint32_t currentFilm = oxideNumber;
    std::vector<unsigned char> mask;
    bool opaqueFlags[7] = {true, true, true, true, true, true, true};
    bool etching = false;
    float cellSize = 1.0f;
    float rate = 1.0f;
    float stepDuration = 1.0f;
};

} // namespace MixedAutomata
} // namespace Automata
