#pragma once

#include "../Automata/FhpAutomata/fhpcell.h"
#include "imageloader.h"

namespace Input {

// Builds a MultiFhpAutomaton from the options dialog and the image it names,
// read with the colour table of FhpLoader.
class MultiFhpAutomatonLoader : public ImageLoader<Automata::FhpAutomata::FhpCell> {
public:
    explicit MultiFhpAutomatonLoader(QWidget* parent);

    Automata::Automaton* load() override;

protected:
    Automata::SizeCheck sizeCheck(int width, int height) const override;

private:
    int scaleFactor = 10;
    int memberCount = 1;
    int stepsToAverage = 10;
    int stripWidth = 50;
    float switchProbability = 0.5f;
};

} // namespace Input
