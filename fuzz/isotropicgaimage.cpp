#include "fuzzing.h"

#include "Input/binaryisotropicfilmdepositionloader.h"

// Isotropic GA: any picture through its colour table.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Input::BinaryIsotropicFilmDepositionLoader;
    return Fuzz::readLattice(data, size, &BinaryIsotropicFilmDepositionLoader::convertColor,
                             &BinaryIsotropicFilmDepositionLoader::latticeCheck);
}
