#pragma once

#include "Automata/NanoTubes/combinedetchingoxidation.h"
#include "Ui/combinedetchoxidatedialog.h"
#include "particleloader.h"

namespace Input {

// Loads "Ti Oxidation and Etching": an image with the model's options, or a result file.
class TiEtchingAndOxidationLoader : public ParticleLoader<Automata::NanoTubes::CombinedEtchingOxidation, Ui::CombinedEtchOxidateDialog, 2> {
public:
    using ParticleLoader::ParticleLoader;
};

} // namespace Input
