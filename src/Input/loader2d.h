#pragma once

#include <QDir>
#include <QWidget>

#include "Persistence/grid.h"
#include "Persistence/imagegrids.h"
#include "imagerequest.h"
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
        if (askForImage) {
            // A picture too large for the lattice is refused before it is decoded.
            readImage(ImageRequest::askRemembering(parent, rememberedFolder(), [](const QSize& size) {
                return Loader2D::fits(Loader2D::latticeCheck(size.width(), size.height()));
            }));
        }
    }

    Automata::Automaton* load() override
    {
        if (cells.isEmpty())
            return nullptr;
        return new A(cells.width(), cells.height(), cells.data());
    }

    static QDir& rememberedFolder()
    {
        static QDir folder = QDir::current();
        return folder;
    }

protected:
    // Converts an image that loaded (a null one was already reported) when a
    // lattice of its size fits in memory; a loader whose model keeps more
    // than a lattice checks that before it builds.
    bool readImage(const QImage& image)
    {
        if (image.isNull() || !this->fits(this->latticeCheck(image.width(), image.height())))
            return false;
        cells = Persistence::ImageGrids::flipped<T>(image, [](QRgb pixel) {
            return A::convertColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
        });
        return true;
    }

    // The cells converted from the image; empty when there are none.
    Persistence::Grid<T> cells;
    QWidget* parent;
};

} // namespace Input
