#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace Automata {

// The memory a model is about to hold, counted before anything large is
// allocated: every buffer held at once (the loader's input, both lattice
// buffers, replicas, per-site tables) in 64 bits, against a budget of half
// the physical memory. An input that asks for more is refused with a message
// naming its size instead of failing to allocate.
class SizeCheck {
public:
    // A model of the given extent: {width, height} sites for a lattice,
    // {width, height, depth} voxels for a volume, {sites} for a row.
    explicit SizeCheck(std::initializer_list<long long> extent);

    // `count` buffers of one T per site.
    template <typename T>
    SizeCheck& perSite(long long count = 1)
    {
        return add(count, sites(), static_cast<long long>(sizeof(T)));
    }
    // `count` buffers of `elements` elements of `elementBytes` bytes each.
    SizeCheck& add(long long count, long long elements, long long elementBytes);

    // The product of the extent.
    long long sites() const { return siteCount; }
    // Bytes of all buffers together; an amount beyond 64 bits reads as the
    // largest 64-bit value.
    long long bytes() const { return total; }
    bool fits() const { return total <= budget(); }
    // Empty when the buffers fit in the budget; otherwise the warning that
    // names the extent and the memory needed.
    std::string warning() const;

    // Half the physical memory, unless another budget has been set.
    static long long budget();
    // Sets the budget in bytes; 0 restores half the physical memory.
    static void setBudget(long long bytes);

    // "512 bytes", "1.5 KiB", "2.0 GiB" and so on, one decimal from KiB up.
    static std::string memoryText(long long bytes);

private:
    std::vector<long long> extent;
    long long siteCount = 1;
    long long total = 0;
};

} // namespace Automata
