#include "screenarchiver.h"

namespace Persistence {

void ScreenArchiver::save(const unsigned char*, const unsigned char*, const unsigned char*, int, int)
{
    const QString name = askFileName();
    if (name.isEmpty() || !view)
        return;
    view->grabFrame().save(name);
}

void ScreenArchiver::saveStep(const unsigned char*, const unsigned char*, const unsigned char*, int,
                              int)
{
    if (!nameChosen) {
        splitName(askFileName());
        return;
    }
    if (view)
        view->grabFrame().save(seriesFileName());
    ++fileCounter;
}

} // namespace Persistence
