#pragma once

#include "../Automata/SiEtch/sietchcell.h"
#include "imageloader.h"

namespace Input {

// Builds the octree view of a mask picture: pure red pixels are Mask, the
// rest Empty.
class SiWetEtchLoader : public ImageLoader<Automata::SiEtch::SiEtchCell> {
public:
    explicit SiWetEtchLoader(QWidget* parent);

    Automata::Automaton* load() override;

protected:
    Automata::SizeCheck sizeCheck(int width, int height) const override;
};

} // namespace Input
