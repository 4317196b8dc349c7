#pragma once

#include <QDialog>
#include <QWidget>

#include "imageinput.h"
#include "Interaction/interaction.h"
#include "loader.h"

namespace Input {

// The frame of the plain image loaders: the family loader asks for its image
// with readImage(colour table) in its constructor, then builds in load() when
// cells is set. Pixel (x, y) becomes lattice cell (x, y).
template <typename T>
class ImageLoader : public Loader<T> {
public:
    ~ImageLoader() override { delete[] cells; }
    ImageLoader(const ImageLoader&) = delete;
    ImageLoader& operator=(const ImageLoader&) = delete;

protected:
    explicit ImageLoader(QWidget* parent) : parent(parent) {}

    // Asks for an image and converts each pixel with convert(QRgb). When no
    // image can be read (also after a cancelled dialog) the parentless warning
    // "Could not open input file!" is shown and cells stays null. The dialog
    // opens in folder, by default the bundled examples.
    template <typename Convert>
    bool readImage(Convert convert, const QString& folder = ImageInput::examplesFolder())
    {
        const QImage image = ImageInput::read(ImageInput::askImageName(parent, folder));
        if (image.isNull()) {
            Interaction::interaction().warning(nullptr, QString(), QStringLiteral("Could not open input file!"));
            return false;
        }
        width = image.width();
        height = image.height();
        cells = ImageInput::convertPixels<T>(image, false, convert);
        return true;
    }

    // Runs the model's option dialog. A cancelled dialog releases the cells,
    // so load() builds nothing.
    bool runOptionDialog(QDialog& dialog)
    {
        if (Interaction::interaction().exec(&dialog) == QDialog::Accepted)
            return true;
        delete[] cells;
        cells = nullptr;
        return false;
    }

    T* cells = nullptr;
    int width = 0;
    int height = 0;
    QWidget* parent;
};

} // namespace Input
