#include "batchfixture.h"

#include <sys/stat.h>

// A recipe is read only from a plain file: a device or a named pipe would hand
// out an endless line or wait for a writer that never comes.
TEST_F(BatchTest, RecipeThatIsNoPlainFileIsRefusedWithoutReadingIt)
{
    const QString pipe = path(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& source : {QStringLiteral("/dev/zero"), pipe, scratch.path()}) {
        const TestSupport::BatchResult result = run({"29", "--recipe", source});
        EXPECT_EQ(result.exitCode, 2) << source.toStdString() << "\n" << result.err.toStdString();
        EXPECT_EQ(lines(result.err),
                  QStringList{QStringLiteral("lithoscope-batch: cannot read recipe %1").arg(source)});
    }
}
