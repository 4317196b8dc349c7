#pragma once

#include <QString>

namespace Persistence {

// What can be told about an input file before reading it.
class InputFiles {
public:
    // Why the named file cannot be read, in a few words ("no such file", "a
    // folder, not a file", "not readable"), or empty when nothing is known
    // against it.
    static QString unreadable(const QString& name);
};

} // namespace Persistence
