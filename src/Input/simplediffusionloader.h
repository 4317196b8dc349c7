#pragma once

#include "../Automata/SimpleDiffusionAutomata/simplediffusionautomaton.h"
#include "imageloader.h"

namespace Input {

// Seeds the 1D random walk from the first pixel row of an image: black is a
// right-moving particle, white nothing, any other colour Other; nothing moves
// left at the start.
class SimpleDiffusionLoader : public ImageLoader<Automata::SimpleDiffusionAutomata::Particles> {
public:
    explicit SimpleDiffusionLoader(QWidget* parent);

    Automata::Automaton* load() override;

    static Automata::SimpleDiffusionAutomata::Particles convertColor(QRgb pixel);

protected:
    Automata::SizeCheck sizeCheck(int width, int height) const override;

    virtual Automata::SimpleDiffusionAutomata::SimpleDiffusionAutomaton*
    create(std::uint32_t size, const Automata::SimpleDiffusionAutomata::Particles* rightMovers,
           const Automata::SimpleDiffusionAutomata::Particles* leftMovers);
};

} // namespace Input
