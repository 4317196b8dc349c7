#pragma once

#include "Automata/FilmDeposition/dealgroveoxidation2d.h"
#include "Automata/FilmDeposition/filmcell.h"
#include "imageloader.h"

namespace Input {

// Loads "2D Oxidation (Deal-Grove)": the oxidation family's image, the
// automaton options and the Deal-Grove parameters.
class DealGroveOxidation2DLoader : public ImageLoader<Automata::FilmDeposition::FilmCell> {
public:
    explicit DealGroveOxidation2DLoader(QWidget* parent);
    Automata::Automaton* load() override;

private:
    Automata::FilmDeposition::DealGroveOxidation2D::Parameters parameters;
};

} // namespace Input
