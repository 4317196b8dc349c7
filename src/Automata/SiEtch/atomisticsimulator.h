#pragma once

#include <memory>
#include <vector>

#include "../automaton.h"
#include "../columnbands.h"
#include "siliconblock.h"

namespace Persistence {
class Archiver;
}

namespace Automata {
namespace SiEtch {

class AtomisticPainter;

// Atom-by-atom anisotropic wet etching of a silicon block. Each step decides
// for every exposed atom, all against the crystal as it was, whether it goes
// (fewer than three bonds, or three with fewer than nine second neighbours:
// only atoms of flat (111) faces and fully bonded ones stay), then removes
// those atoms in list order and exposes their neighbours. Mask atoms are
// never removed and count as fully bonded.
//
// One pixel of a mask and one unit of depth or diameter is a quarter of the
// lattice constant. The block is owned by the simulator that built it;
// simulators built on another's block share its crystal, lists and masks.
class AtomisticSimulator : public Automaton {
public:
    struct Sphere {
        int diameter;
    };

    // Silicon's lattice constant in angstrom.
    static constexpr float siliconLatticeConstant = 5.43f;

    // The block under a top mask of width x height bytes (element x * height
    // + y, 1 where masked), depth deep; with a bottom mask of the same size
    // it is etched from both sides. The archiver, when given, is owned.
    AtomisticSimulator(int width, int height, int depth, float latticeConstant,
                       const std::vector<unsigned char>& topMask,
                       const std::vector<unsigned char>& bottomMask = {},
                       Persistence::Archiver* archiver = nullptr);
    // A ball of the given diameter carved from a block, etched from all sides.
    AtomisticSimulator(Sphere sphere, float latticeConstant, Persistence::Archiver* archiver = nullptr);
    // A simulator working on the block of another, which keeps owning it.
    AtomisticSimulator(int width, int height, int depth, float latticeConstant,
                       SiliconBlock* shared);
    ~AtomisticSimulator() override;
    AtomisticSimulator(const AtomisticSimulator&) = delete;
    AtomisticSimulator& operator=(const AtomisticSimulator&) = delete;

    // What a block of width x height pixels and depth holds, and a sphere's.
    static SizeCheck sizeCheck(int width, int height, int depth);
    static SizeCheck sphereSizeCheck(int diameter);

    void step() override;
    // Saves what the view shows, when there is an archiver.
    void save() override;
    void setSaveAll(bool saveAll, int interval) override;
    Painter* getPainter() override;
    // Eight atom sites per unit cell.
    long long getSiteCount() const override;
    bool getAtomCounts(AtomCounts& counts) const override;

    virtual bool shouldRemove(const Atom& atom);
    virtual void removeAtom(Atom& atom);

    // Strips every mask atom and clears the masks; the atoms they covered
    // become exposed.
    void removeSubstrateMask();
    // Strips the masks and caps the exposed atoms under set pixels of the new
    // top mask (width x height bytes) with new mask atoms.
    void setNewTopMask(const std::vector<unsigned char>& mask);
    // A picture's mask of pictureWidth x pictureHeight bytes fitted to
    // width x height: pixel (x, y) where both have it, open elsewhere.
    static std::vector<unsigned char> fitMask(const std::vector<unsigned char>& mask,
                                              int pictureWidth, int pictureHeight, int width,
                                              int height);

    SiliconBlock& getBlock() { return *block; }
    const SiliconBlock& getBlock() const { return *block; }
    int getMaskWidth() const { return width; }
    int getMaskHeight() const { return height; }
    int getDepth() const { return depth; }
    float getLatticeConstant() const { return latticeConstant; }
    int getExtentX() const { return extentX; }
    int getExtentY() const { return extentY; }
    int getExtentZ() const { return extentZ; }

    // The basic rule: F < 3, or F = 3 and S < 9.
    static bool byNeighbours(const Atom& atom)
    {
        const int first = atom.firstNeighbourCount();
        return first < 3 || (first == 3 && atom.secondNeighbourCount() < 9);
    }

protected:
    // Decides every exposed atom into decisions, in bands of list entries.
    virtual void decide();
    // decisions[i] = rule(surface atom i), spread over the workers when the
    // list is long enough to pay for it.
    template <typename Rule>
    void decideWith(Rule rule)
    {
        const std::vector<Atom*>& list = block->surfaceAtoms;
        decisions.assign(list.size(), 0);
        const auto band = [&](int from, int to) {
            for (int i = from; i < to; ++i)
                decisions[i] = rule(*list[i]) ? 1 : 0;
        };
        const int count = static_cast<int>(list.size());
        if (count < 32768)
            band(0, count);
        else
            ColumnBands::run(count, band);
    }
    // Removes the decided atoms in list order and makes the rest, with the
    // atoms this bares, the new surface list.
    void removeDecided();
    void saveStepPicture();

    SiliconBlock* block;
    bool ownsBlock;
    std::vector<unsigned char> decisions;
    std::vector<Atom*> nextSurfaceAtoms;
    bool saveAll = false;

private:
    void setExtents();

    int extentX = 0, extentY = 0, extentZ = 0;
    int width, height, depth;
    float latticeConstant;
    AtomisticPainter* painter = nullptr;
    Persistence::Archiver* archiver = nullptr;
};

} // namespace SiEtch
} // namespace Automata
