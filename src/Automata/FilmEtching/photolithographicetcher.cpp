#include "photolithographicetcher.h"

#include <algorithm>
#include <iterator>

#include "../Surfaces/surfacebudget.h"
#include "photolithographicetcherpainter.h"

namespace Automata {
namespace FilmEtching {

namespace {

const double timeStep = 0.001;
const double diagonalWeight = 0.18;
// A face neighbour other than (x - 1) takes part once it has begun to develop.
const float developing = 1e-6f;

// The surface encloses the resist that has not developed at all; beyond the
// volume everything reads as developed.
struct Undeveloped {
    bool operator()(const PhotoresistCell& cell) const { return !(cell.developed > 0.0f); }
};

// The twelve edge neighbours: cells differing by one in exactly two coordinates.
struct EdgeNeighbours {
    int step[12][3];
    EdgeNeighbours()
    {
        int n = 0;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dz = -1; dz <= 1; ++dz)
                    if ((dx != 0) + (dy != 0) + (dz != 0) == 2) {
                        step[n][0] = dx;
                        step[n][1] = dy;
                        step[n][2] = dz;
                        ++n;
                    }
    }
};

PhotoresistCell developedCell()
{
    PhotoresistCell cell;
    cell.setDeveloped(1.0f);
    return cell;
}

} // namespace

PhotolithographicEtcher::PhotolithographicEtcher(int width, int height, int depth, int polarity,
                                                 const unsigned char* mask)
    : Automaton3D<PhotoresistCell>(width, height, depth)
{
    applyMask(polarity, mask);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const std::int64_t top = (static_cast<std::int64_t>(x) * height + y) * depth + depth - 1;
            cells[top].setDeveloped(1.0f);
            nextCells[top].setDeveloped(1.0f);
            front.push_back(top);
        }
    }
    rebuildSurface();
    Surfaces::SurfaceBudget::warnIfRefused({developedSurface}, memoryCheck(width, height, depth).bytes());
    painter = new PhotolithographicEtcherPainter(this);
}

SizeCheck PhotolithographicEtcher::memoryCheck(int width, int height, int depth)
{
    SizeCheck check({width, height, depth});
    check.perSite<PhotoresistCell>(2).add(1, static_cast<long long>(width) * height, 1);
    return check;
}

void PhotolithographicEtcher::applyMask(int polarity, const unsigned char* mask)
{
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const std::int64_t column = static_cast<std::int64_t>(x) * height + y;
            const float rate = mask[column] == polarity ? 1.0f : 0.1f;
            for (int z = 0; z < depth; ++z) {
                for (PhotoresistCell* buffer : {cells, nextCells}) {
                    PhotoresistCell& cell = buffer[column * depth + z];
                    cell.setRate(rate);
                    cell.setDeveloped(0.0f);
                }
            }
        }
    }
}

void PhotolithographicEtcher::step()
{
    static const EdgeNeighbours edges;
    // The face neighbours after (x - 1), in the order their terms are summed.
    static const int faces[5][3] = {{0, -1, 0}, {0, 0, -1}, {0, 0, 1}, {0, 1, 0}, {1, 0, 0}};
    const int w = width;
    const int h = height;
    const int d = depth;
    const std::int64_t strideX = static_cast<std::int64_t>(h) * d;
    std::int64_t edgeOffset[12];
    for (int n = 0; n < 12; ++n)
        edgeOffset[n] = edges.step[n][0] * strideX + static_cast<std::int64_t>(edges.step[n][1]) * d
                        + edges.step[n][2];
    std::int64_t faceOffset[5];
    for (int n = 0; n < 5; ++n)
        faceOffset[n] = faces[n][0] * strideX + static_cast<std::int64_t>(faces[n][1]) * d + faces[n][2];
    const auto term = [](const PhotoresistCell& n) {
        return (1.0 - static_cast<double>(n.developed)) / static_cast<double>(n.rate);
    };

    crossed.clear();
    for (const std::int64_t i : front) {
        const int z = static_cast<int>(i % d);
        const int y = static_cast<int>((i / d) % h);
        const int x = static_cast<int>(i / strideX);
        // Cells away from every face of the volume have all their neighbours.
        const bool interior = x > 0 && x + 1 < w && y > 0 && y + 1 < h && z > 0 && z + 1 < d;
        const auto inside = [&](const int* step) {
            return interior
                   || (x + step[0] >= 0 && x + step[0] < w && y + step[1] >= 0 && y + step[1] < h
                       && z + step[2] >= 0 && z + step[2] < d);
        };

        float s1 = 0.0f;
        int k1 = 0;
        if (x > 0 && cells[i - strideX].blocked) {
            s1 = static_cast<float>(s1 + term(cells[i - strideX]));
            ++k1;
        }
        for (int n = 0; n < 5; ++n) {
            if (inside(faces[n]) && cells[i + faceOffset[n]].developed > developing) {
                s1 = static_cast<float>(s1 + term(cells[i + faceOffset[n]]));
                ++k1;
            }
        }
        float s2 = 0.0f;
        int k2 = 0;
        for (int n = 0; n < 12; ++n) {
            if (!inside(edges.step[n]))
                continue;
            s2 = static_cast<float>(s2 + term(cells[i + edgeOffset[n]]));
            ++k2;
        }

        PhotoresistCell cell = cells[i];
        if (!cell.blocked && k1 + k2 > 0) {
            // The face and edge sums are rates like the constant terms they
            // offset, so they are scaled by the same dt / cellLength.
            const double rate = cell.rate;
            const double scale = timeStep / cell.cellLength;
            const double developed = cell.developed + 6.0 * rate * scale - rate * s1 * scale
                                     + diagonalWeight * 12.0 * rate * scale
                                     - rate * diagonalWeight * s2 * scale;
            if (developed >= PhotoresistCell::fullyDeveloped) {
                cell.developed = 1.0f;
                cell.blocked = true;
            } else {
                cell.developed = static_cast<float>(developed);
            }
        }
        if ((cell.developed > 0.0f) != (cells[i].developed > 0.0f))
            crossed.push_back(i);
        nextCells[i] = cell;
    }
    finishStep();
    rebuildFront();
    rebuildSurface();
}

void PhotolithographicEtcher::rebuildFront()
{
    const int w = width;
    const int h = height;
    const int d = depth;
    const std::int64_t strideX = static_cast<std::int64_t>(h) * d;
    // Most steps block no cell: then the front stays as it is.
    if (std::none_of(front.begin(), front.end(), [this](std::int64_t i) { return cells[i].blocked; }))
        return;
    // The cells that stay are in order already; only the woken ones are sorted.
    std::vector<std::int64_t> kept;
    std::vector<std::int64_t> woken;
    kept.reserve(front.size());
    for (const std::int64_t i : front) {
        if (!cells[i].blocked) {
            kept.push_back(i);
            continue;
        }
        // A fully developed cell wakes its whole block and leaves the front;
        // the other buffer learns its final value, since no update will
        // write it there again.
        nextCells[i] = cells[i];
        const int z = static_cast<int>(i % d);
        const int y = static_cast<int>((i / d) % h);
        const int x = static_cast<int>(i / strideX);
        for (int bx = std::max(x - 1, 0); bx <= std::min(x + 1, w - 1); ++bx)
            for (int by = std::max(y - 1, 0); by <= std::min(y + 1, h - 1); ++by)
                for (int bz = std::max(z - 1, 0); bz <= std::min(z + 1, d - 1); ++bz) {
                    const std::int64_t n = (static_cast<std::int64_t>(bx) * h + by) * d + bz;
                    if (!cells[n].blocked)
                        woken.push_back(n);
                }
    }
    std::sort(woken.begin(), woken.end());
    front.clear();
    std::merge(kept.begin(), kept.end(), woken.begin(), woken.end(), std::back_inserter(front));
    front.erase(std::unique(front.begin(), front.end()), front.end());
}

void PhotolithographicEtcher::rebuildSurface()
{
    if (scan.empty())
        scan.push_back(Surfaces::SurfaceScan::closed(width, height, depth, cells, Undeveloped(),
                                                     developedCell()));
    else
        scan.front().resample(cells, Undeveloped(), crossed);
    // The old surface goes first, so it never holds memory beside the new one.
    developedSurface = Surfaces::CellSurface();
    developedSurface =
        std::move(Surfaces::CellSurface::build(scan, memoryCheck(width, height, depth).bytes()).front());
}

void PhotolithographicEtcher::save()
{
}

} // namespace FilmEtching
} // namespace Automata
