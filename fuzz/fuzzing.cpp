#include "fuzzing.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QFileInfo>

#include "Input/catalogue.h"
#include "batch/optionparser.h"

namespace Fuzz {

namespace {

Outcome outcome = Outcome::None;
std::function<void(const std::string&)> failureHandler;

} // namespace

void record(Outcome result)
{
    outcome = result;
}

Outcome lastOutcome()
{
    return outcome;
}

void resetOutcome()
{
    outcome = Outcome::None;
}

void require(bool holds, const char* what)
{
    if (holds)
        return;
    if (failureHandler) {
        failureHandler(what);
        return;
    }
    std::fprintf(stderr, "fuzz target: %s\n", what);
    std::abort();
}

void onFailure(std::function<void(const std::string&)> handler)
{
    failureHandler = std::move(handler);
}

int parsedOptions(const Batch::OptionParser& parser, bool parsed)
{
    if (!parsed) {
        require(!parser.error().isEmpty(), "options refused without a reason");
        record(Outcome::Refusal);
        return 0;
    }
    const Batch::BatchOptions& options = parser.options();
    const bool runs = !options.list && !options.help;
    require(!runs || Input::Catalogue::entry(options.modelIndex),
            "a run without a catalogue entry");
    require(options.steps >= 0 && options.interval >= 1 && options.statusEvery >= 0 &&
                options.threads >= 0 && options.threads <= 4096,
            "a count outside its range");
    for (const Batch::StepAction& action : options.actions)
        require(action.step >= 0 && (!runs || action.step <= options.steps),
                "a form change outside the run");
    for (const Batch::WidgetSetting& setting : options.settings)
        require(!setting.name.isEmpty(), "a setting without a widget name");
    for (const QString& input : options.inputs)
        require(input.isEmpty() || QFileInfo(input).isAbsolute(),
                "an input file not made absolute");
    for (const QString& output : {options.saveFile, options.saveAllFile, options.viewFile})
        require(output.isEmpty() || QFileInfo(output).isAbsolute(),
                "an output file not made absolute");
    require(options.viewSize.width() >= 1 && options.viewSize.width() <= 16384 &&
                options.viewSize.height() >= 1 && options.viewSize.height() <= 16384,
            "a view size outside its range");
    for (const double angle : options.viewAngles)
        require(std::isfinite(angle), "a view angle that is no number");
    record(Outcome::Result);
    return 0;
}

} // namespace Fuzz
