#pragma once

#include <QRgb>

#include "Automata/FilmDeposition/filmcell.h"
#include "Automata/FilmDeposition/oxidationautomaton2d.h"
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
    Automata::SizeCheck sizeCheck(int width, int height) const override;

    Automata::FilmDeposition::OxidationAutomaton2D::Parameters parameters;
};

} // namespace Input
