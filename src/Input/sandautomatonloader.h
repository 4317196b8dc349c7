#pragma once

#include "../Automata/SandAutomata/sandautomaton.h"
#include "imageloader.h"

namespace Input {

// Seeds a sand pile from an image: black is sand, white is empty, any other
// colour is wall.
class SandAutomatonLoader : public ImageLoader<Automata::SandAutomata::SandAutomatonParticles> {
public:
    explicit SandAutomatonLoader(QWidget* parent);

    Automata::Automaton* load() override;

    static Automata::SandAutomata::SandAutomatonParticles convertColor(QRgb pixel);
};

} // namespace Input
