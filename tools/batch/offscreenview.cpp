#include "offscreenview.h"

#include <QtGlobal>

namespace Batch {

OffscreenView::OffscreenView(const BatchOptions& options) : size(options.viewSize)
{
    camera.setAngles(options.viewAngles[0], options.viewAngles[1], options.viewAngles[2]);
}

QImage OffscreenView::grabFrame()
{
    QString error;
    const QImage frame =
        ViewRenderer::renderOffscreen(painter, camera, size.width(), size.height(), &error);
    if (frame.isNull()) {
        failed = true;
        reason = error.isEmpty() ? QStringLiteral("no OpenGL frame") : error;
    }
    return frame;
}

bool OffscreenView::hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString OffscreenView::noDisplayReason(const QString& what, const QString& option)
{
    return what + QStringLiteral(" needs a display for OpenGL; none is set (DISPLAY is empty). "
                                 "Run under xvfb-run, or leave out %1.").arg(option);
}

} // namespace Batch
