#include "fuzzing.h"

#include "Automata/Interpolation/annealingrulemooreneighborhood.h"
#include "Input/loader2d.h"

// The annealing rule: any picture, stood upright, through the rule's colour
// table.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Loader = Input::Loader2D<bool, Automata::Interpolation::AnnealingRuleMooreNeighborhood>;
    return Fuzz::readPicture(data, size, Loader::sizeFilter(), &Loader::cellsFrom);
}
