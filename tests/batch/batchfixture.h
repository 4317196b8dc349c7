#pragma once

#include <functional>

#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "testsupport.h"

// What the end-to-end tests of lithoscope-batch share: a scratch folder to run
// in, small generated inputs and the catalogue entries that exist so far.
class BatchTest : public ::testing::Test {
protected:
    static constexpr int SandAutomaton = 0;
    static constexpr int Fhp = 4;
    static constexpr int AnnealingRule = 29;

    // Whether the entry's family is part of the program yet.
    static bool built(int index);
    static QString label(int index);
    // The examples/ folder name of a label.
    static QString slug(const QString& label);
    static bool hasExample(int index);

    QString path(const QString& name) const { return scratch.filePath(name); }
    TestSupport::BatchResult run(const QStringList& arguments) const
    {
        return TestSupport::runBatch(arguments, scratch.path());
    }

    // Writes a picture whose pixel (x, y) is black where pattern(x, y) holds
    // and white elsewhere; returns its path.
    QString writePattern(const QString& name, int width, int height,
                         const std::function<bool(int, int)>& pattern) const;

    static QStringList lines(const QString& text);
    static bool sameFile(const QString& a, const QString& b);

    QTemporaryDir scratch;
};

// Skips the test while an entry it needs is not in the program.
#define REQUIRE_ENTRY(index)                                                                   \
    do {                                                                                       \
        if (!built(index))                                                                     \
            GTEST_SKIP() << label(index).toStdString() << " is not in the program yet";       \
    } while (false)
