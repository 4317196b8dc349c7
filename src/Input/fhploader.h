#pragma once

#include <QRgb>

#include "../Automata/FhpAutomata/fhpcell.h"
#include "imageloader.h"

namespace Input {

// Builds an FhpAutomaton from an image: black sites are full, red ones are
// obstacles, and magenta shades (red = blue, no green) are reservoirs filling
// at red / 255.
class FhpLoader : public ImageLoader<Automata::FhpAutomata::FhpCell> {
public:
    explicit FhpLoader(QWidget* parent);

    Automata::Automaton* load() override;

    static Automata::FhpAutomata::FhpCell convertColor(QRgb pixel);
};

} // namespace Input
