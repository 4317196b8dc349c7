#pragma once

#include <QMutex>
#include <QOpenGLWidget>
#include <QPointer>
#include <QShortcut>

#include "Interaction/framesource.h"
#include "viewrenderer.h"

namespace Automata {
class Painter;
}

// The OpenGL view of the main window: shows the current model through its
// painter with a trackball rotation, wheel zoom and keyboard pan. It never
// steps a model; the main window asks it to repaint.
class GLwidget : public QOpenGLWidget, public Interaction::FrameSource {
    Q_OBJECT
public:
    // The pan shortcuts are parented to the main window so they work anywhere in it.
    GLwidget(QWidget* mainWindow, Automata::Painter* painter);
    ~GLwidget() override;

    void setPainter(Automata::Painter* painter);
    Automata::Painter* getPainter() const { return painter; }
    void displayAxis(bool show);
    // Absolute angles in degrees; the previous orientation is discarded.
    void setViewAngle(double angleX, double angleY, double angleZ);
    bool isRenderingEnabled() const { return camera.renderingEnabled; }
    void setRenderingEnabled(bool enabled) { camera.renderingEnabled = enabled; }

    // Draws the current frame now (when the widget is on screen).
    void updateGL();

    const ViewCamera& getCamera() const { return camera; }
    float getScale() const { return camera.scale; }

    // The frame as shown, in device pixels, without alpha. A view that is not on
    // screen renders the same picture offscreen.
    QImage grabFrame() override;
    // A form changed what is drawn: the frame is drawn now, as after a step.
    void requestFrame() override { updateGL(); }

public slots:
    void increaseTranslateX();
    void increaseTranslateY();
    void increaseTranslateZ();
    void decreaseTranslateX();
    void decreaseTranslateY();
    void decreaseTranslateZ();

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void drawFrame();
    int pixelWidth() const;
    int pixelHeight() const;
    void panBy(int axis, int direction);

    int viewWidth = 0;
    int viewHeight = 0;
    Automata::Painter* painter;
    QMutex mutex;
    ViewCamera camera;
    float dragStart[3] = {1.0f, 0.0f, 0.0f};
    float dragCurrent[3] = {1.0f, 0.0f, 0.0f};
    QPointer<QShortcut> shortcuts[6];
    // The framebuffer already holds the current frame, drawn by updateGL or
    // grabFrame; Qt's next paint only has to show it.
    bool frameReady = false;
};
