#pragma once

#include "Automata/NanoTubes/nanotubeanodization.h"
#include "Ui/tntanodizationdialog.h"
#include "particleloader.h"

namespace Input {

// Loads "Ti Anodization": an image with the model's options, or a result file.
class TNTAnodizationLoader2D : public ParticleLoader<Automata::NanoTubes::NanotubeAnodization, Ui::TntAnodizationDialog, 1> {
public:
    using ParticleLoader::ParticleLoader;
};

} // namespace Input
