#pragma once

#include <QRgb>

#include "../Automata/FhpAutomata/fhpcell.h"
#include "imageloader.h"

namespace Input {

// Builds an FhpDeposition from an image: black sites are full, red ones are
// obstacles, magenta ones reservoirs and dark green (0, 128, 0) the substrate.
class FhpDepositionLoader : public ImageLoader<Automata::FhpAutomata::FhpCell> {
public:
    explicit FhpDepositionLoader(QWidget* parent);

    Automata::Automaton* load() override;

    static Automata::FhpAutomata::FhpCell convertColor(QRgb pixel);
};

} // namespace Input
