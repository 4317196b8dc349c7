#pragma once

#include <QRgb>

#include "Automata/FilmDeposition/filmcell.h"
#include "imageloader.h"

namespace Input {

// Loads "2D Oxidation": a cross-section image and the oxidation options.
class Oxidation2DLoader : public ImageLoader<Automata::FilmDeposition::FilmCell> {
public:
    explicit Oxidation2DLoader(QWidget* parent);
    Automata::Automaton* load() override;

    // The colour table of the oxidation family: red is the mask, light grey
    // silicon, blue oxide, anything else (white above all) ambient. Every
    // cell starts whole: value 1, stamp 0.
    static Automata::FilmDeposition::FilmCell cellFromPixel(QRgb pixel);

protected:
    float growthRate = 0.0f;
    float cellSize = 0.0f;
    float stepDuration = 0.0f;
    float lateralSpeedup = 0.0f;
};

} // namespace Input
