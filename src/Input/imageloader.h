#pragma once

#include <utility>

#include <QDialog>
#include <QWidget>

#include "Automata/sizecheck.h"
#include "Interaction/interaction.h"
#include "Persistence/grid.h"
#include "Persistence/imagefiles.h"
#include "Persistence/imagegrids.h"
#include "imagerequest.h"
#include "loader.h"

namespace Input {

// The frame of the plain image loaders: the family loader asks for its image
// with readImage(colour table) in its constructor, then builds in load() when
// it holds cells. Pixel (x, y) becomes lattice cell (x, y).
template <typename T>
class ImageLoader : public Loader<T> {
public:
    // The cells of a picture through convert(QRgb) when the model `check`
    // describes fits in memory; none, after the size warning, when it does
    // not, and none for a null picture. This is the whole of reading once the
    // picture is decoded: no dialog is shown.
    template <typename Convert>
    static Persistence::Grid<T> cellsFrom(const QImage& image, const Automata::SizeCheck& check,
                                          Convert convert)
    {
        if (image.isNull() || !Loader<T>::fits(check))
            return {};
        return Persistence::ImageGrids::plain<T>(image, convert);
    }

protected:
    explicit ImageLoader(QWidget* parent) : parent(parent) {}

    // Asks for an image and converts each pixel with convert(QRgb). When no
    // image can be read (also after a cancelled dialog) the parentless warning
    // "Could not open input file!" is shown; when the model it asks for would
    // not fit in memory, the size warning is. The cells stay empty on either.
    // The dialog opens in folder, by default the bundled examples.
    template <typename Convert>
    bool readImage(Convert convert,
                   const QString& folder = Persistence::ImageFiles::examplesFolder())
    {
        const QImage image = ImageRequest::askPlain(parent, folder, sizeFilter());
        cells = cellsFrom(image, sizeCheck(image.width(), image.height()), convert);
        return !cells.isEmpty();
    }

    // The same, with the dialog opening at `remembered` (a folder or the last
    // file), which becomes the file's name once its picture has been read.
    template <typename Convert>
    bool readImageRemembering(Convert convert, QString& remembered)
    {
        QString chosen;
        const QImage image = ImageRequest::askPlain(parent, remembered, sizeFilter(), &chosen);
        cells = cellsFrom(image, sizeCheck(image.width(), image.height()), convert);
        if (cells.isEmpty())
            return false;
        remembered = chosen;
        return true;
    }

    // What the model built from a width x height picture holds at once: by
    // default a lattice's. Loaders whose model keeps more say so here.
    virtual Automata::SizeCheck sizeCheck(int width, int height) const
    {
        return this->latticeCheck(width, height);
    }

    // Refuses, with the size warning, a picture whose model would not fit in
    // memory, from the size its header gives, before it is decoded.
    Persistence::ImageFiles::SizeFilter sizeFilter() const
    {
        return Loader<T>::sizeFilter(
            [this](int width, int height) { return sizeCheck(width, height); });
    }

    // A new M built from the size and the cells followed by args, or null
    // when there are no cells.
    template <typename M, typename... Args>
    Automata::Automaton* build(Args&&... args) const
    {
        if (cells.isEmpty())
            return nullptr;
        return new M(cells.width(), cells.height(), cells.data(),
                     std::forward<Args>(args)...);
    }

    // Runs the model's option dialog. A cancelled dialog releases the cells,
    // so load() builds nothing.
    bool runOptionDialog(QDialog& dialog)
    {
        if (Interaction::interaction().exec(&dialog) == QDialog::Accepted)
            return true;
        cells = Persistence::Grid<T>();
        return false;
    }

    // The cells converted from the image; empty when there are none.
    Persistence::Grid<T> cells;
    QWidget* parent;
};

} // namespace Input
