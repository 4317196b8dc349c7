#pragma once

#include "Automata/FilmDeposition/filmcell.h"
#include "imageloader.h"

namespace Input {

// Loads "2D Variable Step Oxidation": the oxidation family's image and options.
class VtsOxidationLoader : public ImageLoader<Automata::FilmDeposition::FilmCell> {
public:
    explicit VtsOxidationLoader(QWidget* parent);
    Automata::Automaton* load() override;

private:
    float growthRate = 0.0f;
    float cellSize = 0.0f;
    float stepDuration = 0.0f;
    float lateralSpeedup = 0.0f;
};

} // namespace Input
