#pragma once

#include <QElapsedTimer>

namespace Batch {

// A one-line progress bar on standard error: steps done, steps per second and
// time left. Shown only when standard error is a terminal and not switched off.
class ProgressDisplay {
public:
    ProgressDisplay(bool enabled, long long totalSteps);
    ~ProgressDisplay();
    ProgressDisplay(const ProgressDisplay&) = delete;
    ProgressDisplay& operator=(const ProgressDisplay&) = delete;

    void update(long long stepsDone);
    // Removes the bar so a message or the final lines start on a clean line.
    void clear();

private:
    bool enabled;
    long long total;
    bool shown = false;
    QElapsedTimer sinceStart;
    QElapsedTimer sinceDrawn;
};

} // namespace Batch
