#pragma once

#include <cstddef>
#include <vector>

#include "../Persistence/archiver.h"

namespace Automata {

// Three byte planes (red, green, blue) in lattice element order, the form in
// which models hand pictures of their state to an archiver.
class ColorPlanes {
public:
    // A colour component 0..1 as a byte: scaled by 255 and truncated toward zero.
    static unsigned char toByte(float component)
    {
        return static_cast<unsigned char>(component * 255.0f);
    }

    // Writes a colour of three components 0..1 as element i of the planes.
    static void put(unsigned char* red, unsigned char* green, unsigned char* blue, std::size_t i,
                    const float* color)
    {
        red[i] = toByte(color[0]);
        green[i] = toByte(color[1]);
        blue[i] = toByte(color[2]);
    }

    // Has the model draw a picture of width x height pixels with its
    // exportImage(red, green, blue) and hands it to the archiver's single save,
    // or to its numbered series when series is set. Without an archiver
    // nothing is drawn or written.
    template <typename Model>
    static void write(Persistence::Archiver* archiver, bool series, int width, int height, Model& model)
    {
        if (!archiver)
            return;
        ColorPlanes planes(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        unsigned char* red = planes.redPlane.data();
        unsigned char* green = planes.greenPlane.data();
        unsigned char* blue = planes.bluePlane.data();
        model.exportImage(red, green, blue);
        if (series)
            archiver->saveStep(red, green, blue, width, height);
        else
            archiver->save(red, green, blue, width, height);
    }

private:
    explicit ColorPlanes(std::size_t count);

    std::vector<unsigned char> redPlane;
    std::vector<unsigned char> greenPlane;
    std::vector<unsigned char> bluePlane;
};

} // namespace Automata
