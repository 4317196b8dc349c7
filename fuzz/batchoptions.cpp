#include "fuzzing.h"

#include "Persistence/imagefiles.h"
#include "batch/optionparser.h"

// The batch runner's command line, one argument a line, read in the examples
// folder, so that recipes named on it are found there.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList arguments =
        QString::fromUtf8(Fuzz::bytes(data, size)).split(QLatin1Char('\n'));
    Batch::OptionParser parser(Persistence::ImageFiles::examplesFolder());
    return Fuzz::parsedOptions(parser, parser.parse(arguments));
}
