#pragma once

#include <cstdint>

#include "../painter.h"

namespace Automata {
namespace MixedAutomata {

class SimpleFilmEtchDepoSimulator3D;

// Draws the film stack as one lit surface per material, each opaque or
// see-through as the model says, and the masking material as translucent red
// squares over the top of the volume.
class SimpleFilmEtchDepoSimulator3DPainter : public Painter {
public:
    explicit SimpleFilmEtchDepoSimulator3DPainter(SimpleFilmEtchDepoSimulator3D* automaton);

    void paint() override;
    int getWidth() override;
    int getHeight() override;

    // The colour of a material, as red, green and blue.
    static const float* materialColor(std::uint32_t material);

private:
    void paintMask();

    SimpleFilmEtchDepoSimulator3D* model;
};

} // namespace MixedAutomata
} // namespace Automata
