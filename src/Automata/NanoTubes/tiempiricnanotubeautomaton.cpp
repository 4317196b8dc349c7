#include "tiempiricnanotubeautomaton.h"

#include <algorithm>
#include <cmath>

#include "../columnbands.h"
#include "../painter2d.h"
#include "../random.h"

namespace Automata::NanoTubes {

namespace {

const PhaseColor colors[] = {phaseColor(Electrolyte), phaseColor(Ti), phaseColor(TiOxide),
                             phaseColor(InertOxide)};

float squaredLength(const float (&v)[2])
{
    return v[0] * v[0] + v[1] * v[1];
}

} // namespace

TiEmpiricNanotubeAutomaton::TiEmpiricNanotubeAutomaton(int width, int height, const int* codes)
    : Automaton2D<TiCell>(width, height), codes(codes, codes + cellCount())
{
    Random::seed(0);
    std::fill(cells, cells + cellCount(), TiCell());
    std::fill(nextCells, nextCells + cellCount(), TiCell());
    painter = new Painter2D<TiCell>(this);
}

int TiEmpiricNanotubeAutomaton::porePitch() const
{
    const float pitch = std::floor(diameter / cellSizeX);
    return pitch >= 1.0f && pitch < 2e9f ? static_cast<int>(pitch) : 0;
}

bool TiEmpiricNanotubeAutomaton::hasElectrolyteAround(int x, int y) const
{
    // The Moore neighbours in a fixed order; those beyond the lattice are skipped.
    static const int offsets[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1},
                                      {0, 1},   {1, -1}, {1, 0},  {1, 1}};
    for (const auto& offset : offsets) {
        const int nx = x + offset[0];
        const int ny = y + offset[1];
        if (nx >= 0 && nx < width && ny >= 0 && ny < height &&
            cells[index(nx, ny)].phase == Electrolyte)
            return true;
    }
    return false;
}

void TiEmpiricNanotubeAutomaton::setUp()
{
    if (basicParameters) {
        const float radius = diameter / 2.0f;
        oxideRadius2 = radius * radius;
        const float pore = std::max(0.0f, radius - wallThickness);
        poreRadius2 = pore * pore;
    }
    const float a = oxideRadius2;
    std::vector<int> oxide;
    for (std::size_t i = 0; i < cellCount(); ++i) {
        TiCell& cell = cells[i];
        cell = TiCell();
        switch (codes[i]) {
        case Electrolyte:
            cell.source = 1;
            cell.distance[0] = cell.distance[1] = a;
            break;
        case Ti:
            cell.phase = Ti;
            cell.distance[0] = cell.distance[1] = a;
            break;
        case TiOxide:
            cell.phase = TiOxide;
            oxide.push_back(static_cast<int>(i));
            break;
        default:
            cell.phase = TiOxide;
            cell.distance[0] = cell.distance[1] = a;
            oxide.push_back(static_cast<int>(i));
            break;
        }
    }

    const int pitch = porePitch();
    if (pitch > 0) {
        const long long depthCells = static_cast<long long>(std::floor(depth / cellSizeY));
        const float spread = std::floor(diameter / (20.0f * cellSizeX));
        for (int i : oxide) {
            const int x = i / height;
            const int y = i % height;
            if (x % pitch != 0 || !hasElectrolyteAround(x, y))
                continue;
            for (long long t = 0; t < depthCells && y - t >= 0; ++t) {
                TiCell& cell = cells[index(x, static_cast<int>(y - t))];
                const float r = static_cast<float>(Random::uniform()) * spread;
                cell.source = 1;
                cell.distance[0] = cell.distance[1] = r;
                if (t == 0)
                    cell.phase = Electrolyte;
            }
        }
    }
    std::copy(cells, cells + cellCount(), nextCells);
}

void TiEmpiricNanotubeAutomaton::step()
{
    ColumnBands::run(width, [this](int from, int to) { updateColumns(from, to); });
    finishStep();
}

void TiEmpiricNanotubeAutomaton::updateColumns(int from, int to)
{
    for (int x = from; x < to; ++x) {
        TiCell* next = nextCells + static_cast<std::size_t>(x) * height;
        for (int y = 0; y < height; ++y)
            next[y] = nextCell(x, y);
    }
}

TiCell TiEmpiricNanotubeAutomaton::nextCell(int x, int y) const
{
    const TiCell& cell = cells[index(x, y)];
    if (cell.phase == Electrolyte && cell.source)
        return cell;

    // The edge neighbours west, east, south, north, each offering its vector
    // plus the step to this cell.
    struct Offer {
        std::uint32_t phase;
        float q[2];
        float length2;
    };
    Offer offers[4];
    int count = 0;
    const auto offer = [&](int nx, int ny, float ex, float ey) {
        if (nx < 0 || nx >= width || ny < 0 || ny >= height)
            return;
        const TiCell& n = cells[index(nx, ny)];
        Offer& o = offers[count++];
        o.phase = n.phase;
        o.q[0] = n.distance[0] + ex;
        o.q[1] = n.distance[1] + ey;
        o.length2 = squaredLength(o.q);
    };
    offer(x - 1, y, cellSizeX, 0.0f);
    offer(x + 1, y, cellSizeX, 0.0f);
    offer(x, y - 1, 0.0f, cellSizeY);
    offer(x, y + 1, 0.0f, cellSizeY);

    TiCell result = cell;
    if (cell.phase == Ti) {
        for (int i = 0; i < count; ++i) {
            const Offer& o = offers[i];
            if ((o.phase == Electrolyte || o.phase == TiOxide) && o.length2 <= oxideRadius2) {
                result.phase = TiOxide;
                if (!cell.source) {
                    result.distance[0] = o.q[0];
                    result.distance[1] = o.q[1];
                }
                return result;
            }
        }
        return result;
    }

    // Oxide opens into electrolyte within the pore radius of an electrolyte
    // neighbour's offer.
    if (cell.phase == TiOxide) {
        for (int i = 0; i < count; ++i) {
            const Offer& o = offers[i];
            if (o.phase == Electrolyte && o.length2 <= poreRadius2) {
                result.phase = Electrolyte;
                if (!cell.source) {
                    result.distance[0] = o.q[0];
                    result.distance[1] = o.q[1];
                }
                return result;
            }
        }
        if (cell.source)
            return result;
    }

    // Free oxide and electrolyte take the shortest offer of an electrolyte
    // neighbour, the later one on a tie, when it is no longer than their own.
    const Offer* best = nullptr;
    for (int i = 0; i < count; ++i) {
        if (offers[i].phase == Electrolyte && (!best || offers[i].length2 <= best->length2))
            best = &offers[i];
    }
    if (best && best->length2 <= squaredLength(cell.distance)) {
        result.distance[0] = best->q[0];
        result.distance[1] = best->q[1];
    }
    return result;
}

const float* TiEmpiricNanotubeAutomaton::getColor(const TiCell& cell)
{
    return &colors[cell.phase < 4 ? cell.phase : 0].r;
}

} // namespace Automata::NanoTubes
