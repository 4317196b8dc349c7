#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "../columnbands.h"

namespace Automata {
namespace MixedAutomata {

// The 26-neighbourhood test of the voxel rules as a 3 x 3 x 3 dilation of
// byte flags, one axis at a time, over x slabs of height x depth voxels
// (voxel (x, y, z) is element (x * height + y) * depth + z). Voxels beyond
// the volume count as not flagged. A band keeps only a few slabs of scratch,
// small enough to stay in cache, so a pass costs little more than reading the
// volume once.
class MooreDilation {
public:
    // For every slab x of [begin, end): visit(x, near), where near[y * depth + z]
    // is nonzero when some voxel of the 3 x 3 x 3 block around (x, y, z) inside
    // the volume (the voxel itself included) is flagged. flags(x, scratch)
    // returns the slab's flags (any nonzero byte is a flag): a pointer into
    // the caller's data, or scratch filled with them. Both are called from
    // the band's own thread and must only read shared data.
    template <typename Flags, typename Visit>
    static void band(int begin, int end, int width, int height, int depth, Flags flags,
                     Visit visit)
    {
        const std::size_t slab = static_cast<std::size_t>(height) * depth;
        if (slab == 0 || begin >= end)
            return;
        std::vector<unsigned char> scratch(slab), alongZ(slab), near(slab);
        // Slabs x - 1, x and x + 1 dilated along y and z.
        std::vector<unsigned char> ring[3] = {std::vector<unsigned char>(slab),
                                              std::vector<unsigned char>(slab),
                                              std::vector<unsigned char>(slab)};
        auto dilateSlab = [&](int x, std::vector<unsigned char>& into) {
            const unsigned char* f = flags(x, scratch.data());
            dilateAlongZ(f, alongZ.data(), height, depth);
            dilateAlongY(alongZ.data(), into.data(), height, depth);
        };
        bool havePrevious = begin > 0;
        if (havePrevious)
            dilateSlab(begin - 1, ring[0]);
        dilateSlab(begin, ring[1]);
        for (int x = begin; x < end; ++x) {
            const bool haveNext = x + 1 < width;
            if (haveNext)
                dilateSlab(x + 1, ring[2]);
            const unsigned char* middle = ring[1].data();
            const unsigned char* left = havePrevious ? ring[0].data() : middle;
            const unsigned char* right = haveNext ? ring[2].data() : middle;
            unsigned char* out = near.data();
            for (std::size_t i = 0; i < slab; ++i)
                out[i] = left[i] | middle[i] | right[i];
            visit(x, static_cast<const unsigned char*>(out));
            std::swap(ring[0], ring[1]);
            std::swap(ring[1], ring[2]);
            havePrevious = true;
        }
    }

    // One synchronous pass of a 26-neighbourhood rule from current into next,
    // in x slabs on the workers: next voxel = rule(voxel, near, x, y, z), near
    // telling whether flag(cell) holds for a voxel of the 3 x 3 x 3 block
    // around it inside the volume.
    template <typename T, typename Flag, typename Rule>
    static void pass(const T* current, T* next, int width, int height, int depth, Flag flag,
                     Rule rule)
    {
        const std::size_t slab = static_cast<std::size_t>(height) * depth;
        ColumnBands::run(width, [=](int begin, int end) {
            band(
                begin, end, width, height, depth,
                [=](int x, unsigned char* flags) {
                    const T* from = current + x * slab;
                    for (std::size_t i = 0; i < slab; ++i)
                        flags[i] = flag(from[i]);
                    return static_cast<const unsigned char*>(flags);
                },
                [=](int x, const unsigned char* near) {
                    const T* from = current + x * slab;
                    T* to = next + x * slab;
                    for (int y = 0; y < height; ++y) {
                        const std::size_t first = static_cast<std::size_t>(y) * depth;
                        for (int z = 0; z < depth; ++z)
                            to[first + z] = rule(from[first + z], near[first + z] != 0, x, y, z);
                    }
                });
        });
    }

private:
    static void dilateAlongZ(const unsigned char* f, unsigned char* out, int height, int depth)
    {
        const std::size_t slab = static_cast<std::size_t>(height) * depth;
        if (depth == 1) {
            for (std::size_t i = 0; i < slab; ++i)
                out[i] = f[i];
            return;
        }
        for (std::size_t i = 1; i + 1 < slab; ++i)
            out[i] = f[i - 1] | f[i] | f[i + 1];
        // The ends of each column do not reach into the next column.
        for (int y = 0; y < height; ++y) {
            const std::size_t first = static_cast<std::size_t>(y) * depth;
            const std::size_t last = first + depth - 1;
            out[first] = f[first] | f[first + 1];
            out[last] = f[last - 1] | f[last];
        }
    }

    static void dilateAlongY(const unsigned char* a, unsigned char* out, int height, int depth)
    {
        const std::size_t d = static_cast<std::size_t>(depth);
        const std::size_t slab = static_cast<std::size_t>(height) * d;
        if (height == 1) {
            for (std::size_t i = 0; i < slab; ++i)
                out[i] = a[i];
            return;
        }
        for (std::size_t i = d; i + d < slab; ++i)
            out[i] = a[i - d] | a[i] | a[i + d];
        for (std::size_t z = 0; z < d; ++z) {
            out[z] = a[z] | a[z + d];
            out[slab - d + z] = a[slab - 2 * d + z] | a[slab - d + z];
        }
    }
};

} // namespace MixedAutomata
} // namespace Automata
