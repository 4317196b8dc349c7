#pragma once

#include <qopengl.h>

namespace Automata {

// Keeps the whole OpenGL state for a scope: every server attribute (depth
// writes, culling, front face, blending, lighting, point size, clear colour
// ...) and every client attribute (vertex arrays and their pointers, pixel
// storage). A painter opens its paint() with one, so whatever it switches
// on or off is back as it found it when it returns.
class SavedGlState {
public:
    SavedGlState()
    {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    }
    ~SavedGlState()
    {
        glPopClientAttrib();
        glPopAttrib();
    }
    SavedGlState(const SavedGlState&) = delete;
    SavedGlState& operator=(const SavedGlState&) = delete;
};

} // namespace Automata
