#include "fuzzing.h"

#include "Input/sandautomatonloader.h"

// Sand piles, with and without friction: any picture through the sand
// colour table.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Input::SandAutomatonLoader;
    return Fuzz::readLattice(data, size, &SandAutomatonLoader::convertColor,
                             &SandAutomatonLoader::latticeCheck);
}
