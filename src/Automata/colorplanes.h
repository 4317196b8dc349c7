#pragma once

#include <cstddef>
#include <vector>

namespace Automata {

// Three byte planes (red, green, blue) in lattice element order, the form in
// which models hand pictures of their state to an archiver.
class ColorPlanes {
public:
    explicit ColorPlanes(std::size_t count = 0);

    // A colour component 0..1 as a byte: scaled by 255 and truncated toward zero.
    static unsigned char toByte(float component)
    {
        return static_cast<unsigned char>(component * 255.0f);
    }

    void resize(std::size_t count);
    std::size_t size() const { return redPlane.size(); }

    void set(std::size_t index, const float* color)
    {
        redPlane[index] = toByte(color[0]);
        greenPlane[index] = toByte(color[1]);
        bluePlane[index] = toByte(color[2]);
    }

    void set(std::size_t index, unsigned char r, unsigned char g, unsigned char b)
    {
        redPlane[index] = r;
        greenPlane[index] = g;
        bluePlane[index] = b;
    }

    // Fills every element from colorOf(cells[i]), a function returning three floats.
    template <typename T, typename ColorOf>
    void fill(const T* cells, std::size_t count, ColorOf colorOf)
    {
        resize(count);
        for (std::size_t i = 0; i < count; ++i)
            set(i, colorOf(cells[i]));
    }

    const unsigned char* red() const { return redPlane.data(); }
    const unsigned char* green() const { return greenPlane.data(); }
    const unsigned char* blue() const { return bluePlane.data(); }

private:
    std::vector<unsigned char> redPlane;
    std::vector<unsigned char> greenPlane;
    std::vector<unsigned char> bluePlane;
};

} // namespace Automata
