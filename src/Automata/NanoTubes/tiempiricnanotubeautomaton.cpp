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

bool sameCell(const TiCell& a, const TiCell& b)
{
    return a.phase == b.phase && a.source == b.source && a.distance[0] == b.distance[0] &&
           a.distance[1] == b.distance[1];
}

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
        const TiCell* column = cells + static_cast<std::size_t>(x) * height;
        const TiCell* left = x > 0 ? column - height : nullptr;
        const TiCell* right = x + 1 < width ? column + height : nullptr;
        TiCell* next = nextCells + static_cast<std::size_t>(x) * height;
        for (int y = 0; y < height; ++y) {
            // Most of the lattice is settled: pore sources in the electrolyte,
            // and Ti among Ti, which nothing offers a vector.
            const TiCell& cell = column[y];
            const bool settled =
                cell.phase == Electrolyte
                    ? cell.source != 0
                    : cell.phase == Ti && (!left || left[y].phase == Ti) &&
                          (!right || right[y].phase == Ti) && (y == 0 || column[y - 1].phase == Ti) &&
                          (y + 1 == height || column[y + 1].phase == Ti);
            // A settled cell usually holds the same in both buffers: leaving
            // the copy untouched saves writing back most of the lattice.
            if (!settled)
                next[y] = nextCell(column, left, right, y);
            else if (!sameCell(next[y], cell))
                next[y] = cell;
        }
    }
}

TiCell TiEmpiricNanotubeAutomaton::nextCell(const TiCell* column, const TiCell* left,
                                            const TiCell* right, int y) const
{
    const TiCell& cell = column[y];
    if (cell.phase == Electrolyte && cell.source)
        return cell;

    // The edge neighbours west, east, south, north (null beyond the lattice),
    // each offering its vector plus the step to this cell.
    const TiCell* neighbours[4] = {left ? left + y : nullptr, right ? right + y : nullptr,
                                   y > 0 ? column + y - 1 : nullptr,
                                   y + 1 < height ? column + y + 1 : nullptr};
    const float steps[4][2] = {{cellSizeX, 0.0f}, {cellSizeX, 0.0f}, {0.0f, cellSizeY}, {0.0f, cellSizeY}};
    const auto offer = [&](int i, float (&q)[2]) {
        q[0] = neighbours[i]->distance[0] + steps[i][0];
        q[1] = neighbours[i]->distance[1] + steps[i][1];
        return squaredLength(q);
    };

    TiCell result = cell;
    float q[2];
    if (cell.phase == Ti) {
        // The first electrolyte or oxide neighbour within the oxide radius oxidises it.
        for (int i = 0; i < 4; ++i) {
            const TiCell* n = neighbours[i];
            if (!n || (n->phase != Electrolyte && n->phase != TiOxide) || offer(i, q) > oxideRadius2)
                continue;
            result.phase = TiOxide;
            if (!cell.source) {
                result.distance[0] = q[0];
                result.distance[1] = q[1];
            }
            return result;
        }
        return result;
    }

    // Oxide opens into electrolyte within the pore radius of an electrolyte
    // neighbour's offer; free oxide and electrolyte otherwise take the
    // shortest offer of an electrolyte neighbour, the later one on a tie,
    // when it is no longer than their own.
    float best[2] = {0.0f, 0.0f};
    float bestLength2 = -1.0f;
    for (int i = 0; i < 4; ++i) {
        const TiCell* n = neighbours[i];
        if (!n || n->phase != Electrolyte)
            continue;
        const float length2 = offer(i, q);
        if (cell.phase == TiOxide && length2 <= poreRadius2) {
            result.phase = Electrolyte;
            if (!cell.source) {
                result.distance[0] = q[0];
                result.distance[1] = q[1];
            }
            return result;
        }
        if (bestLength2 < 0.0f || length2 <= bestLength2) {
            bestLength2 = length2;
            best[0] = q[0];
            best[1] = q[1];
        }
    }
    if (!cell.source && bestLength2 >= 0.0f && bestLength2 <= squaredLength(cell.distance)) {
        result.distance[0] = best[0];
        result.distance[1] = best[1];
    }
    return result;
}

const float* TiEmpiricNanotubeAutomaton::getColor(const TiCell& cell)
{
    return &colors[cell.phase < 4 ? cell.phase : 0].r;
}

} // namespace Automata::NanoTubes
