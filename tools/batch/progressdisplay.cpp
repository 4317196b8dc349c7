#include "progressdisplay.h"

#include <cstdio>

#include <unistd.h>

#include <QString>

namespace Batch {

namespace {

constexpr int BarWidth = 30;
constexpr qint64 RedrawMs = 200;

QString duration(double seconds)
{
    const long long s = static_cast<long long>(seconds + 0.5);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

ProgressDisplay::ProgressDisplay(bool enabled, long long totalSteps)
    : enabled(enabled && totalSteps > 0 && isatty(fileno(stderr))), total(totalSteps)
{
    sinceStart.start();
    sinceDrawn.start();
}

ProgressDisplay::~ProgressDisplay()
{
    clear();
}

void ProgressDisplay::update(long long stepsDone)
{
    if (!enabled || (stepsDone < total && sinceDrawn.elapsed() < RedrawMs))
        return;
    sinceDrawn.restart();
    const double seconds = sinceStart.nsecsElapsed() / 1e9;
    const double rate = seconds > 0.0 ? stepsDone / seconds : 0.0;
    const int filled = static_cast<int>(BarWidth * stepsDone / total);
    const QString bar = QString(filled, QLatin1Char('#')) + QString(BarWidth - filled, QLatin1Char('.'));
    const QString left = rate > 0.0 ? duration((total - stepsDone) / rate) : QStringLiteral("--:--:--");
    const QString line = QStringLiteral("\r[%1] %2/%3 steps  %4 steps/s  %5 left ")
                             .arg(bar)
                             .arg(stepsDone)
                             .arg(total)
                             .arg(QString::number(rate, 'f', 1), left);
    std::fputs(line.toUtf8().constData(), stderr);
    std::fflush(stderr);
    shown = true;
}

void ProgressDisplay::clear()
{
    if (!shown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    shown = false;
}

} // namespace Batch
