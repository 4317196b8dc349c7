#pragma once

#include <QImage>

namespace Interaction {

// The view models are shown in, as far as models, archivers and forms need it:
// its current picture and a request to draw anew. The program installs its
// OpenGL view, the batch runner an offscreen renderer, tests a fake; without
// any there is no view.
class FrameSource {
public:
    virtual ~FrameSource();
    // The frame as shown, without alpha; a null image when none can be drawn.
    virtual QImage grabFrame() = 0;
    // Draws a new frame soon, for a change of what is drawn that no step made.
    virtual void requestFrame() = 0;

    // The view in force, or null when there is none.
    static FrameSource* current();
    // Installs a view (not owned); null means there is none.
    static void install(FrameSource* view);
};

// Short forms used by loaders, archivers and forms.
inline FrameSource* frameSource()
{
    return FrameSource::current();
}

// Asks the view, when there is one, for a new frame.
inline void requestFrame()
{
    if (FrameSource* view = frameSource())
        view->requestFrame();
}

} // namespace Interaction
