#include "screenarchiver.h"

namespace Persistence {

void ScreenArchiver::save(const unsigned char*, const unsigned char*, const unsigned char*, int, int)
{
    const QString name = askFileName();
    if (name.isEmpty() || !view)
        return;
    writeFrame(name, false);
}

void ScreenArchiver::saveStep(const unsigned char*, const unsigned char*, const unsigned char*, int,
                              int)
{
    if (!nameChosen) {
        splitName(askFileName());
        return;
    }
    if (view)
        writeFrame(seriesFileName(), true);
    ++fileCounter;
}

void ScreenArchiver::writeFrame(const QString& name, bool series)
{
    // A view that draws nothing says so itself; only a frame is written.
    const QImage frame = view->grabFrame();
    if (!frame.isNull())
        writePicture(frame, name, series);
}

} // namespace Persistence
