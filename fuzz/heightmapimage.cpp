#include "fuzzing.h"

#include "Input/simplefilmdeposition3dloader.h"

// 3D film deposition: any picture as a height map, the volume's size checked
// before it is filled.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return Fuzz::readPicture(data, size, {}, &Input::SimpleFilmDeposition3DLoader::volumeFrom);
}
