#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include "archiver.h"

namespace Persistence {

// Writes pictures built from a model's three colour planes: single saves and
// a numbered series (base name, a counter padded to five digits, extension).
class AutomatonArchiver : public Archiver {
public:
    void save(const unsigned char* red, const unsigned char* green, const unsigned char* blue,
              int width, int height) override;
    void saveStep(const unsigned char* red, const unsigned char* green, const unsigned char* blue,
                  int width, int height) override;

    // The picture of the planes: RGB16, lattice row 0 as the image's top row.
    static QImage buildImage(const unsigned char* red, const unsigned char* green,
                             const unsigned char* blue, int width, int height);

    // The folder every archiver's save dialog opens in; it follows each chosen name.
    static QDir& rememberedPath();

    // The "Save File" dialog; an empty name when cancelled.
    static QString askFileName();

    // The next file name of the series, e.g. run00007.png.
    QString seriesFileName() const;

    bool isNameChosen() const { return nameChosen; }
    int getFileCounter() const { return fileCounter; }

protected:
    // Writes a picture under a name; a picture that cannot be written is
    // reported with a warning naming the file and why. A series reports only
    // its first such picture and skips later ones silently, so that a run is
    // not held up by a box at every step.
    void writePicture(const QImage& picture, const QString& name, bool series);

    // Asks until a name with an image suffix is chosen, or until the question
    // may not be asked again; returns whether a series name is set.
    bool chooseSeriesName();
    // Splits a chosen name into base and extension when it ends with .png,
    // .jpg or .bmp (any letter case).
    void splitName(const QString& name);

    int fileCounter = 0;
    bool nameChosen = false;
    QString baseName;
    QString extension;
    bool seriesFailureShown = false;
};

} // namespace Persistence
