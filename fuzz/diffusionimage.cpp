#include "fuzzing.h"

#include "Input/simplediffusionloader.h"

// The 1D random walks, plain and analysing: any picture through the walk's
// colour table, with the walk's own size check.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Input::SimpleDiffusionLoader;
    return Fuzz::readLattice(data, size, &SimpleDiffusionLoader::convertColor,
                             &SimpleDiffusionLoader::modelCheck);
}
