#include "app/progressbar.h"

#include <algorithm>
#include <unistd.h>

namespace varnova {

QString ProgressLine(int done, int total, double seconds) {
    constexpr int BarWidth = 20;
    const int left = std::max(0, total - done);
    const int filled =
        total > 0 ? int((long long)BarWidth * std::clamp(done, 0, total) / total) : 0;
    QString line = QStringLiteral("[") + QString(filled, QLatin1Char('#')) +
                   QString(BarWidth - filled, QLatin1Char('-')) + QStringLiteral("] ");
    line += QStringLiteral("%1 left").arg(left, 4);
    if (done > 0 && seconds > 0) {
        const double rate = done / seconds;
        const long long eta = (long long)(left / rate + 0.5);
        line += QStringLiteral("  %1 files/s  ETA %2:%3")
                    .arg(rate, 6, 'f', 1)
                    .arg(eta / 60)
                    .arg(eta % 60, 2, 10, QLatin1Char('0'));
    }
    return line;
}

TProgressBar::TProgressBar(std::FILE* stream, bool enabled)
    : stream_(stream), active_(enabled && stream != nullptr && ::isatty(::fileno(stream)) == 1) {}

TProgressBar::~TProgressBar() {
    Clear();
}

void TProgressBar::Start(int total) {
    total_ = total;
    clock_.start();
    lastDrawMs_ = -1000;
    Update(0);
}

void TProgressBar::Update(int done) {
    if (!active_)
        return;
    const qint64 now = clock_.elapsed();
    if (done < total_ && now - lastDrawMs_ < 100)
        return;
    lastDrawMs_ = now;
    Draw(done);
}

void TProgressBar::Draw(int done) {
    const QByteArray text = ProgressLine(done, total_, clock_.elapsed() / 1000.0).toUtf8();
    std::fprintf(stream_, "\r%s\033[K", text.constData());
    std::fflush(stream_);
    shown_ = true;
}

void TProgressBar::Clear() {
    if (!shown_)
        return;
    std::fputs("\r\033[K", stream_);
    std::fflush(stream_);
    shown_ = false;
}

} // namespace varnova
