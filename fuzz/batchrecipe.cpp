#include "fuzzing.h"

#include "Persistence/imagefiles.h"
#include "batch/optionparser.h"

// A recipe's text, read as the file `recipe` of the examples folder would be
// when named by --recipe.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Batch::OptionParser parser(Persistence::ImageFiles::examplesFolder());
    return Fuzz::parsedOptions(
        parser, parser.parseRecipe(Fuzz::bytes(data, size), QStringLiteral("recipe")));
}
