#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace Batch {

// The process exit codes every caller of lithoscope-batch relies on.
enum ExitCode {
    ExitOk = 0,
    ExitUsage = 2,
    ExitNoModel = 3,
    ExitOutput = 4,
};

// One NAME=VALUE pair for a dialog or form widget.
struct WidgetSetting {
    QString name;
    QString value;
};

// A widget change on an open modeless form after a number of steps.
struct StepAction {
    int step = 0;
    WidgetSetting setting;
};

// Everything one run of the batch runner was asked to do, after recipes have
// been expanded and relative paths resolved.
struct BatchOptions {
    bool list = false;
    bool help = false;

    int modelIndex = -1;

    QStringList inputs;            // absolute paths; an empty entry answers as cancelled
    QList<WidgetSetting> settings; // in the order given
    bool reject = false;
    QList<StepAction> actions;     // in the order given

    int steps = 100;
    QString saveFile;              // absolute, empty when not asked
    QString saveAllFile;
    int interval = 1;
    bool hasSeed = false;
    quint64 seed = 0;
    int threads = 0;               // 0: the machine's default

    QString viewFile;
    QSize viewSize = QSize(800, 600);
    double viewAngles[3] = {0.0, 0.0, 0.0};

    int statusEvery = 0;           // 0: no status lines during the run
    bool bench = false;
    bool describe = false;
    bool quiet = false;
};

} // namespace Batch
