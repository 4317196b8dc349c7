#include "fuzzing.h"

#include <cmath>

#include "Persistence/interpolationcsv.h"

// The 1D interpolation rules' table of fixed values: the whole table, or an
// error with its line and no table at all.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Persistence::InterpolationCsv;
    const InterpolationCsv::Result read = InterpolationCsv::read(Fuzz::bytes(data, size));
    if (!read.ok()) {
        Fuzz::require(read.line >= 1 && read.table.size == 0 && read.table.fixedValues.empty(),
                      "a table refused without its line, or with half a table");
        Fuzz::record(Fuzz::Outcome::Refusal);
        return 0;
    }
    const InterpolationCsv::Table& table = read.table;
    Fuzz::require(table.size >= 1 && table.size <= InterpolationCsv::maxSize,
                  "a ring size outside what the dialog holds");
    Fuzz::require(table.fixedValues.size() <= static_cast<std::size_t>(table.size),
                  "more fixed values than sites");
    for (const InterpolationCsv::FixedValue& fixed : table.fixedValues) {
        Fuzz::require(fixed.index >= 0 && fixed.index < table.size, "a fixed value off the ring");
        Fuzz::require(std::fabs(fixed.value) <= InterpolationCsv::maxMagnitude,
                      "a fixed value the rule cannot use");
    }
    Fuzz::record(Fuzz::Outcome::Result);
    return 0;
}
