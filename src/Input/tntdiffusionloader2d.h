#pragma once

#include "Automata/NanoTubes/nanotubeoxidationautomaton.h"
#include "Ui/tinanotubewithdiffusiondialog.h"
#include "particleloader.h"

namespace Input {

// Loads "Ti Oxidation": an image with the model's options, or a result file.
class TNTDiffusionLoader2D : public ParticleLoader<Automata::NanoTubes::NanotubeOxidationAutomaton, Ui::TiNanotubeWithDiffusionDialog, 1> {
public:
    using ParticleLoader::ParticleLoader;
};

} // namespace Input
