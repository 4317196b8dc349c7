#include "fuzzing.h"

#include "Input/fhploader.h"

// The FHP gases, one lattice or an ensemble: any picture through the FHP
// colour table, reservoir levels included.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Input::FhpLoader;
    return Fuzz::readLattice(data, size, &FhpLoader::convertColor, &FhpLoader::latticeCheck);
}
