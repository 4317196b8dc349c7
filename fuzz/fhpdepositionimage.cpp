#include "fuzzing.h"

#include "Input/fhpdepositionloader.h"

// FHP deposition: any picture through its colour table with the substrate.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Input::FhpDepositionLoader;
    return Fuzz::readLattice(data, size, &FhpDepositionLoader::convertColor,
                             &FhpDepositionLoader::latticeCheck);
}
