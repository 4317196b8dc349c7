#pragma once

#include <QLoggingCategory>

// Consistency messages of the nanotube particle models; the step always goes on.
Q_DECLARE_LOGGING_CATEGORY(lcNanotubes)
