#pragma once

#include "Automata/FilmDeposition/filmcell.h"
#include "Ui/oxidationfields.h"
#include "imageloader.h"

namespace Input {

// Loads "2D Oxidation (Deal-Grove)": the oxidation family's image, the
// automaton options and the Deal-Grove parameters.
class DealGroveOxidation2DLoader : public ImageLoader<Automata::FilmDeposition::FilmCell> {
public:
    explicit DealGroveOxidation2DLoader(QWidget* parent);
    Automata::Automaton* load() override;

private:
    Ui::OxidationParameters options;
    float temperature = 0.0f;
    float initialTime = 0.0f;
    float linearActivationEnergy = 0.0f;
    float linearPrefactor = 0.0f;
    float parabolicActivationEnergy = 0.0f;
    float parabolicPrefactor = 0.0f;
};

} // namespace Input
