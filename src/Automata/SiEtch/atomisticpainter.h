#pragma once

#include <vector>

#include "../painter.h"

namespace Automata {
namespace SiEtch {

class AtomisticSimulator;

// Draws the exposed atoms of an atomistic simulator as lit balls coloured
// by their bonds (one yellow, two green, three blue; fully bonded ones are
// not drawn) on white, and the set pixels of its masks as translucent red
// squares on the top and bottom faces.
class AtomisticPainter : public Painter {
public:
    explicit AtomisticPainter(AtomisticSimulator* simulator);

    void paint() override;
    // The block's extents along x and y, in angstrom.
    int getWidth() override;
    int getHeight() override;

    static constexpr float sphereRadius = 1.75f;

private:
    void addMaskQuads(const std::vector<unsigned char>& mask, float z);

    AtomisticSimulator* simulator;
    std::vector<float> centres;
    std::vector<float> colours;
    std::vector<float> quads;
};

} // namespace SiEtch
} // namespace Automata
