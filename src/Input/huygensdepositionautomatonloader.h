#pragma once

#include <QString>

#include "Automata/FilmDeposition/filmcell.h"
#include "imageloader.h"

namespace Input {

// The 2D Huygens deposition models: an upright picture whose red pixels are
// full substrate cells, then the Huygens options. Mode 0 builds the isotropic
// Huygens model, mode 1 the anisotropic one, mode 2 the directional one.
class HuygensDepositionAutomatonLoader : public ImageLoader<Automata::FilmDeposition::FilmCell> {
public:
    HuygensDepositionAutomatonLoader(QWidget* parent, int mode);
    Automata::Automaton* load() override;

    // Where the next file dialog opens: the last picture that loaded, at
    // first the home folder. Shared by all modes.
    static QString& rememberedPath();

protected:
    Automata::SizeCheck sizeCheck(int width, int height) const override;

private:
    int mode;
};

} // namespace Input
