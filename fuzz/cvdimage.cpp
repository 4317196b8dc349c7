#include "fuzzing.h"

#include "Input/cvdloader.h"

// The CVD binary automaton: any picture through its colour table.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Input::CvdLoader;
    return Fuzz::readLattice(data, size, &CvdLoader::convertColor, &CvdLoader::latticeCheck);
}
