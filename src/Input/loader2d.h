#pragma once

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "imageinput.h"
#include "Interaction/interaction.h"
#include "loader.h"

namespace Input {

// Builds an A from an upright image: lattice cell (x, y) takes pixel
// (x, height - 1 - y) through A::convertColor(red, green, blue). Each
// instantiation remembers the folder of the last image that loaded.
template <typename T, typename A>
class Loader2D : public Loader<T> {
public:
    Loader2D(QWidget* parent, bool askForImage) : parent(parent)
    {
        if (askForImage)
            readImage(ImageInput::askImageName(parent, rememberedFolder().absolutePath()));
    }

    ~Loader2D() override { delete[] cells; }
    Loader2D(const Loader2D&) = delete;
    Loader2D& operator=(const Loader2D&) = delete;

    Automata::Automaton* load() override
    {
        if (!cells)
            return nullptr;
        return new A(width, height, cells);
    }

    static QDir& rememberedFolder()
    {
        static QDir folder = QDir::current();
        return folder;
    }

protected:
    // Reads the named image. A name that does not load gives "Loader error" /
    // "The image could not be opened!"; an empty name (cancelled) gives nothing.
    bool readImage(const QString& name)
    {
        if (name.isEmpty())
            return false;
        const QImage image = ImageInput::read(name);
        if (image.isNull()) {
            Interaction::interaction().warning(parent, QStringLiteral("Loader error"),
                                  QStringLiteral("The image could not be opened!"));
            return false;
        }
        width = image.width();
        height = image.height();
        cells = ImageInput::convertPixels<T>(image, true, [](QRgb pixel) {
            return A::convertColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
        });
        rememberedFolder() = QFileInfo(name).absoluteDir();
        return true;
    }

    T* cells = nullptr;
    QWidget* parent;
    int width = 0;
    int height = 0;
};

} // namespace Input
