#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>

namespace Persistence {

// Cells read from a file, owned as one value: width x height x depth cells,
// element (x * height + y) * depth + z, so a flat grid (depth 1) keeps cell
// (x, y) at x * height + y, the order of the lattices. The cells sit in one
// plain array because the lattices copy from a `const T*`, which
// std::vector<bool> cannot hand out.
template <typename T>
class Grid {
public:
    // No cells: what a loader holds before an image is read or after a
    // cancelled dialog.
    Grid() = default;
    // width x height x depth value-initialised cells.
    Grid(int width, int height, int depth = 1)
        : w(width), h(height), d(depth),
          count(static_cast<std::size_t>(width) * height * depth),
          storage(new T[count]())
    {
    }

    Grid(const Grid& other) : Grid(other.w, other.h, other.d)
    {
        std::copy(other.begin(), other.end(), begin());
    }
    Grid& operator=(const Grid& other)
    {
        if (this != &other)
            *this = Grid(other);
        return *this;
    }
    Grid(Grid&& other) noexcept { swap(other); }
    Grid& operator=(Grid&& other) noexcept
    {
        Grid(std::move(other)).swap(*this);
        return *this;
    }

    int width() const { return w; }
    int height() const { return h; }
    int depth() const { return d; }
    bool isEmpty() const { return count == 0; }
    std::size_t size() const { return count; }

    T* data() { return storage.get(); }
    const T* data() const { return storage.get(); }
    T* begin() { return data(); }
    T* end() { return data() + count; }
    const T* begin() const { return data(); }
    const T* end() const { return data() + count; }

    T& operator[](std::size_t i) { return storage[i]; }
    const T& operator[](std::size_t i) const { return storage[i]; }
    std::size_t index(int x, int y, int z = 0) const
    {
        return (static_cast<std::size_t>(x) * h + y) * d + z;
    }
    T& at(int x, int y, int z = 0) { return storage[index(x, y, z)]; }
    const T& at(int x, int y, int z = 0) const { return storage[index(x, y, z)]; }

private:
    void swap(Grid& other) noexcept
    {
        std::swap(w, other.w);
        std::swap(h, other.h);
        std::swap(d, other.d);
        std::swap(count, other.count);
        std::swap(storage, other.storage);
    }

    int w = 0;
    int h = 0;
    int d = 1;
    std::size_t count = 0;
    std::unique_ptr<T[]> storage;
};

} // namespace Persistence
