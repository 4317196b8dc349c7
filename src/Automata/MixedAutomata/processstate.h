#pragma once

#include <cstdint>
#include <vector>

#include "materialcode.h"

namespace Automata {
namespace MixedAutomata {

// A photolithography mask: MW x MH bytes, element x * MH + y for picture
// pixel (x, y), 1 protected and 0 open. A mask without storage leaves every
// column open.
struct VoxelMask {
    std::vector<unsigned char> bytes;
    std::uint32_t width = 0;
    std::uint32_t height = 0;

    // Whether column (x, y) is protected; columns beyond the mask are open.
    bool protects(std::uint32_t x, std::uint32_t y) const
    {
        return x < width && y < height && bytes[static_cast<std::size_t>(x) * height + y] != 0;
    }
};

// What the process steps of one microfabrication volume share with its
// options: the film that deposition, film etching and photolithography act
// on, and the two masks. Each manager owns its own, so a new model starts at
// "Film 01" without masks whatever an earlier one was left with.
class ProcessState {
public:
    MaterialCode currentFilm() const { return film; }
    // Only film codes are taken: silicon, empty space and anything beyond
    // the last film are ignored.
    void setCurrentFilm(unsigned code)
    {
        if (code > siliconCode && code <= lastFilmCode)
            film = static_cast<MaterialCode>(code);
    }

    const VoxelMask& bottomMask() const { return bottom; }
    const VoxelMask& topMask() const { return top; }
    // Store a copy of width x height bytes, replacing the mask.
    void setBottomMask(const unsigned char* bytes, std::uint32_t width, std::uint32_t height)
    {
        store(bottom, bytes, width, height);
    }
    void setTopMask(const unsigned char* bytes, std::uint32_t width, std::uint32_t height)
    {
        store(top, bytes, width, height);
    }
    // Open every column of the mask; its size stays.
    void clearBottomMask() { bottom.bytes.assign(bottom.bytes.size(), 0); }
    void clearTopMask() { top.bytes.assign(top.bytes.size(), 0); }

private:
    static void store(VoxelMask& mask, const unsigned char* bytes, std::uint32_t width,
                      std::uint32_t height)
    {
        mask.bytes.assign(bytes, bytes + static_cast<std::size_t>(width) * height);
        mask.width = width;
        mask.height = height;
    }

    MaterialCode film = firstFilmCode;
    VoxelMask bottom;
    VoxelMask top;
};

} // namespace MixedAutomata
} // namespace Automata
