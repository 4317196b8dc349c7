#include "batchfixture.h"

#include <QFile>

TestSupport::BatchResult BatchTest::expectRefused(const QStringList& arguments, int exitCode,
                                                 const QString& named) const
{
    const TestSupport::BatchResult result = run(arguments);
    const std::string what = arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(result.exitCode, exitCode) << what << "\n" << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(named)) << what << "\n" << result.err.toStdString();
    EXPECT_FALSE(result.out.contains(QStringLiteral("Current time"))) << what;
    return result;
}

QString BatchTest::writePattern(const QString& name, int width, int height,
                                const std::function<bool(int, int)>& pattern) const
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, pattern(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const QString file = path(name);
    EXPECT_TRUE(image.save(file));
    return file;
}

QMap<QString, QStringList> BatchTest::entryListing()
{
    QMap<QString, QStringList> sections;
    QString entry;
    for (const QString& line : TestSupport::listing(QStringLiteral("batch/describe.txt"))) {
        if (line.startsWith(QLatin1String("== ")))
            sections[entry = line.mid(3)];
        else
            sections[entry].append(line);
    }
    return sections;
}

QStringList BatchTest::lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool BatchTest::sameFile(const QString& a, const QString& b)
{
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    return first.readAll() == second.readAll();
}
