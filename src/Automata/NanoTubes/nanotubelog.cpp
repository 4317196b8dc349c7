#include "nanotubelog.h"

Q_LOGGING_CATEGORY(lcNanotubes, "lithoscope.nanotubes", QtWarningMsg)
