#include "fhpdeposition.h"

namespace Automata {
namespace FhpAutomata {

namespace {

using B = FhpCell;

constexpr unsigned grownSolid = B::SubstrateBit | B::DepositBit;

// Every particle heading into a solid site, sent back the way it came.
unsigned reflected(const FhpAutomaton::Neighbours& n)
{
    unsigned back = 0;
    if (n.nw & B::SouthEastBit)
        back |= B::NorthWestBit;
    if (n.ne & B::SouthWestBit)
        back |= B::NorthEastBit;
    if (n.w & B::EastBit)
        back |= B::WestBit;
    if (n.e & B::WestBit)
        back |= B::EastBit;
    if (n.sw & B::NorthEastBit)
        back |= B::SouthWestBit;
    if (n.se & B::NorthWestBit)
        back |= B::SouthEastBit;
    return back;
}

} // namespace

FhpDeposition::FhpDeposition(int width, int height, const FhpCell* initial, int member)
    : FhpAutomaton(width, height, initial, member)
{
}

void FhpDeposition::exportImage(unsigned char* r, unsigned char* g, unsigned char* b)
{
    const std::size_t count = cellCount();
    for (std::size_t i = 0; i < count; ++i) {
        const FhpCell& cell = cells[i];
        unsigned char cr, cg, cb;
        if (cell.isObstacle()) {
            cr = 255, cg = 0, cb = 0;
        } else if (cell.isSource()) {
            cr = 255, cg = 0, cb = 255;
        } else if (cell.isSubstrate()) {
            cr = 0, cg = 128, cb = 0;
        } else if (cell.isDeposit()) {
            cr = 128, cg = 128, cb = 0;
        } else {
            cr = cg = cb = greyOf(cell.particles());
        }
        r[i] = cr;
        g[i] = cg;
        b[i] = cb;
    }
}

void FhpDeposition::propagateColumns(int from, int to)
{
    streamColumns(from, to, [](const FhpCell& site, const Neighbours& n, int, Random::Stream& stream) {
        FhpCell next = site;
        if (isSolid(site)) {
            next.setParticles(reflected(n));
            return next;
        }
        if (site.isSource()) {
            next.setParticles(stream.rangedInt(0, 10) < 9 ? B::ChannelBits : 0u);
            return next;
        }
        const unsigned arriving = arrivingParticles(n);
        const bool touchesSolid = ((n.w | n.e | n.nw | n.ne | n.sw | n.se) & grownSolid) != 0;
        if (touchesSolid && site.particles() == 0 && FhpCell::particleCount(arriving) == 1) {
            next.setDeposit(true);
            next.setParticles(0);
            return next;
        }
        next.setParticles(arriving);
        return next;
    });
}

} // namespace FhpAutomata
} // namespace Automata
