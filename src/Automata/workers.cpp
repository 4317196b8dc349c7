#include "workers.h"

#include <QThreadPool>

namespace Automata {

int workerCount()
{
    const int count = QThreadPool::globalInstance()->maxThreadCount();
    return count > 0 ? count : 1;
}

} // namespace Automata
