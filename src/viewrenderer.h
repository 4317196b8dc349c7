#pragma once

#include <QImage>
#include <QString>

class QMutex;

namespace Automata {
class Painter;
}

// The camera of the OpenGL view: rotation, zoom, pan, axis and the rendering switch.
struct ViewCamera {
    float scale = 1.0f;            // world units per screen pixel
    float translateX = 0.0f;       // pan offset in world units
    float translateY = 0.0f;
    float translateZ = 0.0f;
    float orientation[4] = {1.0f, 0.0f, 0.0f, 0.0f}; // unit quaternion (w, x, y, z)
    bool showAxis = false;
    bool renderingEnabled = true;

    // Sets the orientation from absolute angles in degrees: qx * qy * qz.
    void setAngles(double angleX, double angleY, double angleZ);

    // The rotation of the orientation as a column-major 4 x 4 matrix.
    void rotationMatrix(float matrix[16]) const;

    // Rotates by the trackball drag from one sphere point to another, about
    // screen-fixed axes. Returns false (and changes nothing) when the rotation
    // is undefined, as for two equal points.
    bool dragRotate(const float from[3], const float to[3]);

    // Zooms by a vertical wheel delta: forward (positive) zooms out, 2.2 times
    // per standard notch of 120.
    void zoomByWheel(int delta);

    // Pans by five screen pixels along x (0), y (1) or z (2); direction +1 or -1.
    void pan(int axis, int direction);

    // The trackball point on the unit sphere of a widget point (x, y).
    static void mapToSphere(double x, double y, int width, int height, float point[3]);
};

// The OpenGL state, projection, camera and painter call of one frame, shared by
// the on-screen view and offscreen rendering so both draw the same picture.
class ViewRenderer {
public:
    // The fixed state of a new context: material and light 0.
    static void initializeState();
    // The drawing state every frame starts from: flat shading, blending,
    // depth test and depth writes on, culling off, counter-clockwise front
    // faces, no lighting, a black clear colour.
    static void resetDrawingState();
    // Viewport and orthographic projection: one world unit is 1/scale pixels,
    // the origin in the middle.
    static void setProjection(int width, int height, float scale);
    // Resets the drawing state, clears and draws one frame. The painter (may
    // be null) paints under painterMutex when one is given.
    static void paintFrame(const ViewCamera& camera, Automata::Painter* painter,
                           QMutex* painterMutex, int width, int height);
    // The same, keeping the drawing size between frames: it is refreshed from
    // the painter when there is one and sizes the axis cross.
    static void paintFrame(const ViewCamera& camera, Automata::Painter* painter,
                           QMutex* painterMutex, int width, int height, int& viewWidth,
                           int& viewHeight);
    // Reads the bound framebuffer's colour (width x height) as an opaque image,
    // top row first.
    static QImage readFrame(int width, int height);
    // Draws what a fresh view of width x height with this camera shows into an
    // offscreen frame. Needs an OpenGL-capable display; on failure returns a
    // null image and says why in error.
    static QImage renderOffscreen(Automata::Painter* painter, const ViewCamera& camera, int width,
                                  int height, QString* error = nullptr);
};
