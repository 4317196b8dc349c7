#include "atomisticsimulator.h"

#include <cmath>

#include "../../Persistence/archiver.h"
#include "atomisticpainter.h"

namespace Automata {
namespace SiEtch {

constexpr float AtomisticSimulator::siliconLatticeConstant;

AtomisticSimulator::AtomisticSimulator(int width, int height, int depth, float latticeConstant,
                                       const std::vector<unsigned char>& topMask,
                                       const std::vector<unsigned char>& bottomMask,
                                       Persistence::Archiver* archiver)
    : block(new SiliconBlock(width / 4, height / 4, depth / 4, latticeConstant)), ownsBlock(true),
      width(width), height(height), depth(depth), latticeConstant(latticeConstant),
      archiver(archiver)
{
    block->topMask = topMask;
    block->maskFace(true, block->topMask, width, height);
    if (!bottomMask.empty()) {
        block->bottomMask = bottomMask;
        block->maskFace(false, block->bottomMask, width, height);
    }
    setExtents();
    painter = new AtomisticPainter(this);
}

AtomisticSimulator::AtomisticSimulator(Sphere sphere, float latticeConstant,
                                       Persistence::Archiver* archiver)
    : block(new SiliconBlock(sphere.diameter / 4 + 2, sphere.diameter / 4 + 2,
                             sphere.diameter / 4 + 2, latticeConstant)),
      ownsBlock(true), width(sphere.diameter), height(sphere.diameter), depth(sphere.diameter),
      latticeConstant(latticeConstant), archiver(archiver)
{
    const int cellsPerAxis = sphere.diameter / 4 + 2;
    block->carveSphere(cellsPerAxis * latticeConstant / 2, sphere.diameter * latticeConstant / 8);
    setExtents();
    painter = new AtomisticPainter(this);
}

AtomisticSimulator::AtomisticSimulator(int width, int height, int depth, float latticeConstant,
                                       SiliconBlock* shared)
    : block(shared), ownsBlock(false), width(width), height(height), depth(depth),
      latticeConstant(latticeConstant)
{
    setExtents();
}

AtomisticSimulator::~AtomisticSimulator()
{
    delete painter;
    delete archiver;
    if (ownsBlock)
        delete block;
}

SizeCheck AtomisticSimulator::sizeCheck(int width, int height, int depth)
{
    return SiliconBlock::sizeCheck(width / 4, height / 4, depth / 4)
        .add(2, static_cast<long long>(width) * height, 1);
}

SizeCheck AtomisticSimulator::sphereSizeCheck(int diameter)
{
    const long long cells = diameter / 4 + 2;
    return SiliconBlock::sizeCheck(cells, cells, cells);
}

void AtomisticSimulator::setExtents()
{
    extentX = static_cast<int>(std::ceil(block->cellsX * latticeConstant));
    extentY = static_cast<int>(std::ceil(block->cellsY * latticeConstant));
    extentZ = static_cast<int>(std::ceil(block->cellsZ * latticeConstant));
}

bool AtomisticSimulator::shouldRemove(const Atom& atom)
{
    return byNeighbours(atom);
}

void AtomisticSimulator::decide()
{
    decideWith(byNeighbours);
}

void AtomisticSimulator::removeAtom(Atom& atom)
{
    if (block->removeAtom(atom, nextSurfaceAtoms)) {
        ++block->removed;
        --block->siliconLeft;
    }
}

void AtomisticSimulator::removeDecided()
{
    std::vector<Atom*>& list = block->surfaceAtoms;
    nextSurfaceAtoms.clear();
    nextSurfaceAtoms.reserve(list.size());
    long long removed = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!decisions[i])
            nextSurfaceAtoms.push_back(list[i]);
        else if (block->removeAtom(*list[i], nextSurfaceAtoms))
            ++removed;
    }
    block->examined += static_cast<long long>(list.size());
    block->removed += removed;
    block->siliconLeft -= removed;
    list.swap(nextSurfaceAtoms);
}

void AtomisticSimulator::saveStepPicture()
{
    if (saveAll && archiver)
        archiver->saveStep(nullptr, nullptr, nullptr, 0, 0);
}

void AtomisticSimulator::step()
{
    decide();
    removeDecided();
    saveStepPicture();
}

void AtomisticSimulator::save()
{
    if (archiver)
        archiver->save(nullptr, nullptr, nullptr, 0, 0);
}

void AtomisticSimulator::setSaveAll(bool saveAll, int interval)
{
    (void)interval;
    this->saveAll = saveAll;
}

Painter* AtomisticSimulator::getPainter()
{
    return painter;
}

long long AtomisticSimulator::getSiteCount() const
{
    return 8LL * static_cast<long long>(block->cells.size());
}

bool AtomisticSimulator::getAtomCounts(AtomCounts& counts) const
{
    counts.examined = block->examined;
    counts.removed = block->removed;
    counts.remaining = block->siliconLeft;
    return true;
}

void AtomisticSimulator::removeSubstrateMask()
{
    for (Atom* mask : block->maskAtoms) {
        if (mask->removed)
            continue;
        mask->removed = true;
        for (Atom* other : mask->bonds) {
            if (!other || other->atomType != Atom::SiliconAtom)
                continue;
            if (!other->inSurface) {
                other->inSurface = true;
                block->surfaceAtoms.push_back(other);
            }
            other->unbond(mask);
        }
    }
    std::fill(block->topMask.begin(), block->topMask.end(), 0);
    std::fill(block->bottomMask.begin(), block->bottomMask.end(), 0);
}

void AtomisticSimulator::setNewTopMask(const std::vector<unsigned char>& mask)
{
    removeSubstrateMask();
    block->topMask = mask;
    block->topMask.resize(static_cast<std::size_t>(width) * height, 0);
    std::vector<Atom*> surface;
    std::vector<Atom*> masks;
    for (Atom* atom : block->surfaceAtoms) {
        const int i = SiliconBlock::pixelOf(atom->x, latticeConstant, width);
        const int j = SiliconBlock::pixelOf(atom->y, latticeConstant, height);
        if (width <= 0 || height <= 0 || !block->topMask[static_cast<std::size_t>(i) * height + j]) {
            surface.push_back(atom);
            continue;
        }
        atom->inSurface = false;
        for (int b = 0; b < 4; ++b)
            if (!atom->bonds[b])
                block->cap(*atom, b, masks);
    }
    block->surfaceAtoms.swap(surface);
    block->maskAtoms.swap(masks);
}

std::vector<unsigned char> AtomisticSimulator::fitMask(const std::vector<unsigned char>& mask,
                                                       int pictureWidth, int pictureHeight,
                                                       int width, int height)
{
    std::vector<unsigned char> fitted(static_cast<std::size_t>(width) * height, 0);
    for (int x = 0; x < std::min(width, pictureWidth); ++x)
        for (int y = 0; y < std::min(height, pictureHeight); ++y)
            fitted[static_cast<std::size_t>(x) * height + y] =
                mask[static_cast<std::size_t>(x) * pictureHeight + y];
    return fitted;
}

} // namespace SiEtch
} // namespace Automata
