#pragma once

#include <functional>

#include <QImage>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "testsupport.h"

// What the end-to-end tests of lithoscope-batch share: a scratch folder to run
// in and small generated inputs.
class BatchTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return scratch.filePath(name); }
    TestSupport::BatchResult run(const QStringList& arguments) const
    {
        return TestSupport::runBatch(arguments, scratch.path());
    }

    // Runs, expecting the exit code, no run of the model and a reason on
    // stderr that names what was refused.
    TestSupport::BatchResult expectRefused(const QStringList& arguments, int exitCode, const QString& named = QString()) const;

    // Writes a picture whose pixel (x, y) is black where pattern(x, y) holds
    // and white elsewhere; returns its path.
    QString writePattern(const QString& name, int width, int height,
                         const std::function<bool(int, int)>& pattern) const;

    // The lines describe.txt gives for each built entry, by label.
    static QMap<QString, QStringList> entryListing();

    static QStringList lines(const QString& text);
    static bool sameFile(const QString& a, const QString& b);

    QTemporaryDir scratch;
};

// Sets an environment variable of the test program, and so of the runs it
// starts, for the lifetime of the scope.
class EnvironmentScope {
public:
    EnvironmentScope(const char* name, const QByteArray& value) : name(name), previous(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentScope()
    {
        if (previous.isNull())
            qunsetenv(name);
        else
            qputenv(name, previous);
    }

private:
    const char* name;
    QByteArray previous;
};
