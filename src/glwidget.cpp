#include "glwidget.h"

#include <cmath>

#include <QMouseEvent>
#include <QMutexLocker>
#include <QShortcut>
#include <QSurfaceFormat>
#include <QWheelEvent>

#include "Automata/painter.h"

GLwidget::GLwidget(QWidget* mainWindow, Automata::Painter* painter)
    : QOpenGLWidget(mainWindow), painter(painter)
{
    setObjectName(QStringLiteral("glWidget"));
    // Painters draw with fixed-function OpenGL, which needs a compatibility context.
    QSurfaceFormat surfaceFormat = format();
    surfaceFormat.setRenderableType(QSurfaceFormat::OpenGL);
    surfaceFormat.setProfile(QSurfaceFormat::CompatibilityProfile);
    surfaceFormat.setDepthBufferSize(24);
    setFormat(surfaceFormat);
    // A frame drawn on request stays in the framebuffer until Qt shows it.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);

    if (painter) {
        viewWidth = painter->getWidth();
        viewHeight = painter->getHeight();
    }

    struct PanKey {
        Qt::Key key;
        void (GLwidget::*slot)();
    };
    const PanKey keys[6] = {
        {Qt::Key_Q, &GLwidget::increaseTranslateX}, {Qt::Key_W, &GLwidget::increaseTranslateY},
        {Qt::Key_E, &GLwidget::increaseTranslateZ}, {Qt::Key_A, &GLwidget::decreaseTranslateX},
        {Qt::Key_S, &GLwidget::decreaseTranslateY}, {Qt::Key_D, &GLwidget::decreaseTranslateZ},
    };
    QWidget* shortcutParent = mainWindow ? mainWindow : this;
    for (int i = 0; i < 6; ++i) {
        shortcuts[i] = new QShortcut(QKeySequence(keys[i].key), shortcutParent);
        connect(shortcuts[i], &QShortcut::activated, this, keys[i].slot);
    }
}

GLwidget::~GLwidget()
{
    // The shortcuts live in the main window, which may outlive this view.
    for (const QPointer<QShortcut>& shortcut : shortcuts)
        delete shortcut.data();
}

void GLwidget::setPainter(Automata::Painter* newPainter)
{
    QMutexLocker lock(&mutex);
    painter = newPainter;
    if (painter) {
        viewWidth = painter->getWidth();
        viewHeight = painter->getHeight();
    }
}

void GLwidget::displayAxis(bool show)
{
    camera.showAxis = show;
    updateGL();
}

void GLwidget::setViewAngle(double angleX, double angleY, double angleZ)
{
    camera.setAngles(angleX, angleY, angleZ);
    updateGL();
}

void GLwidget::updateGL()
{
    // Qt only schedules a widget paint; the main window needs the frame of the
    // step just made, so it is drawn now and merely shown later.
    if (!isValid() || !isVisible()) {
        update();
        return;
    }
    makeCurrent();
    drawFrame();
    doneCurrent();
    frameReady = true;
    update();
}

QImage GLwidget::grabFrame()
{
    if (!isValid()) {
        QMutexLocker lock(&mutex);
        return ViewRenderer::renderOffscreen(painter, camera, pixelWidth(), pixelHeight());
    }
    makeCurrent();
    drawFrame();
    glFinish();
    const QImage frame = ViewRenderer::readFrame(pixelWidth(), pixelHeight());
    doneCurrent();
    frameReady = true;
    update();
    return frame;
}

void GLwidget::increaseTranslateX()
{
    panBy(0, 1);
}

void GLwidget::increaseTranslateY()
{
    panBy(1, 1);
}

void GLwidget::increaseTranslateZ()
{
    panBy(2, 1);
}

void GLwidget::decreaseTranslateX()
{
    panBy(0, -1);
}

void GLwidget::decreaseTranslateY()
{
    panBy(1, -1);
}

void GLwidget::decreaseTranslateZ()
{
    panBy(2, -1);
}

void GLwidget::panBy(int axis, int direction)
{
    camera.pan(axis, direction);
    updateGL();
}

void GLwidget::initializeGL()
{
    ViewRenderer::initializeState();
}

void GLwidget::resizeGL(int, int)
{
    frameReady = false;
    // Qt passes the size in logical pixels; one lattice cell is one device pixel.
    ViewRenderer::setProjection(pixelWidth(), pixelHeight(), camera.scale);
}

void GLwidget::paintGL()
{
    if (frameReady) {
        frameReady = false;
        return;
    }
    drawFrame();
}

void GLwidget::drawFrame()
{
    // The projection follows the zoom, so it is set for every frame.
    ViewRenderer::setProjection(pixelWidth(), pixelHeight(), camera.scale);
    ViewRenderer::paintFrame(camera, painter, &mutex, pixelWidth(), pixelHeight(), viewWidth,
                             viewHeight);
}

void GLwidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        ViewCamera::mapToSphere(event->localPos().x(), event->localPos().y(), width(), height(),
                                dragStart);
}

void GLwidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!camera.renderingEnabled)
        return;
    ViewCamera::mapToSphere(event->localPos().x(), event->localPos().y(), width(), height(),
                            dragCurrent);
    if (!camera.dragRotate(dragStart, dragCurrent))
        return;
    for (int i = 0; i < 3; ++i)
        dragStart[i] = dragCurrent[i];
    updateGL();
}

void GLwidget::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    camera.zoomByWheel(delta);
    updateGL();
}

int GLwidget::pixelWidth() const
{
    return qRound(width() * devicePixelRatioF());
}

int GLwidget::pixelHeight() const
{
    return qRound(height() * devicePixelRatioF());
}
