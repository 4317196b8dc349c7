#include "fuzzing.h"

#include <cstdio>
#include <cstdlib>

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

} // namespace Fuzz
