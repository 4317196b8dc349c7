#include "fuzzing.h"

#include "Input/oxidation2dloader.h"

// The oxidation models: any cross-section through the oxidation colour table,
// with the size check of the model that keeps the most.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Input::Oxidation2DLoader;
    return Fuzz::readLattice(data, size, &Oxidation2DLoader::cellFromPixel,
                             &Oxidation2DLoader::modelCheck);
}
