#include "fuzzing.h"

#include "Input/simplefilmdeposition2dloader.h"

// 2D film deposition: any picture through its colour table, with the
// model's own size check.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Input::SimpleFilmDeposition2DLoader;
    return Fuzz::readLattice(data, size, &SimpleFilmDeposition2DLoader::convertColor,
                             &SimpleFilmDeposition2DLoader::modelCheck);
}
