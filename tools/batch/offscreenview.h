#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "Interaction/framesource.h"
#include "batchoptions.h"
#include "viewrenderer.h"

namespace Automata {
class Painter;
}

namespace Batch {

// The view of a batch run: every grab draws, offscreen, what a fresh view of
// the run's --view-size and --view-angle shows of the current model. --view
// writes its frame after the run, and models that save what the view shows
// save through it. Drawing needs an OpenGL-capable display.
class OffscreenView : public Interaction::FrameSource {
public:
    explicit OffscreenView(const BatchOptions& options);

    // The painter of the model just built (null before and after).
    void setPainter(Automata::Painter* modelPainter) { painter = modelPainter; }

    QImage grabFrame() override;
    // Nothing is on screen: every grab draws afresh.
    void requestFrame() override {}

    // Whether a grab has failed so far, and why the last one did.
    bool hasFailed() const { return failed; }
    const QString& failure() const { return reason; }

    static bool hasDisplay();
    // Why something that draws the view cannot run without a display: what
    // needs one, and the option to leave out.
    static QString noDisplayReason(const QString& what, const QString& option);

private:
    Automata::Painter* painter = nullptr;
    ViewCamera camera;
    QSize size;
    bool failed = false;
    QString reason;
};

} // namespace Batch
