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
        if (askForImage)
            readImage(ImageRequest::askRemembering(parent, rememberedFolder(), sizeFilter()));
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

    // Refuses, with the size warning, a picture too large for the lattice,
    // before it is decoded.
    static Persistence::ImageFiles::SizeFilter sizeFilter()
    {
        return Loader<T>::sizeFilter(&Loader<T>::latticeCheck);
    }

    // The cells of an upright picture when a lattice of its size fits in
    // memory; none, after the size warning, when it does not, and none for a
    // null picture (already reported where it was read). No dialog is shown.
    static Persistence::Grid<T> cellsFrom(const QImage& image)
    {
        if (image.isNull() ||
            !Loader<T>::fits(Loader<T>::latticeCheck(image.width(), image.height())))
            return {};
        return Persistence::ImageGrids::flipped<T>(image, [](QRgb pixel) {
            return A::convertColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
        });
    }

protected:
    // Converts a picture that loaded (a null one was already reported); a
    // loader whose model keeps more than a lattice checks that before it
    // builds.
    bool readImage(const QImage& image)
    {
        cells = cellsFrom(image);
        return !cells.isEmpty();
    }

    // Runs the model's option dialog. A cancelled dialog releases the cells,
    // so load() builds nothing.
    bool runOptionDialog(QDialog& dialog) { return Loader<T>::runOptionDialog(dialog, cells); }

    // The cells converted from the image; empty when there are none.
    Persistence::Grid<T> cells;
    QWidget* parent;
};

} // namespace Input
