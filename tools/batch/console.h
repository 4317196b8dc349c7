#pragma once

#include <QString>

namespace Batch {

// The runner's two streams: results on standard output, messages and notes
// on standard error. Every line is flushed at once so the order in which
// things happened survives when both streams go to one place.
class Console {
public:
    static void out(const QString& line);
    static void error(const QString& line);
    // A one-line reason of the runner itself, as "lithoscope-batch: TEXT".
    static void reason(const QString& text);
};

} // namespace Batch
