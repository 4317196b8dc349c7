#pragma once

#include <QImage>

namespace Interaction {

// Something whose current picture can be grabbed, such as the OpenGL view.
class FrameSource {
public:
    virtual ~FrameSource() = default;
    // The frame as shown, without alpha.
    virtual QImage grabFrame() = 0;
};

} // namespace Interaction
