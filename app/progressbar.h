#pragma once
// The command line's progress bar on a terminal: files remaining, rate and time left, redrawn
// in place on one line at most ten times a second.

#include <QElapsedTimer>
#include <QString>
#include <cstdio>

namespace varnova {

// The bar's text for `done` of `total` files after `seconds`, without line control characters.
// For example "[##########----------]  100 left   52.1 files/s  ETA 0:02".
QString ProgressLine(int done, int total, double seconds);

class TProgressBar {
public:
    // Draws on `stream` only when it is a terminal and `enabled` is true.
    TProgressBar(std::FILE* stream, bool enabled);
    ~TProgressBar();

    bool Active() const { return active_; }
    void Start(int total);
    void Update(int done);
    // Erases the bar so that messages start on a clean line.
    void Clear();

private:
    void Draw(int done);

    std::FILE* stream_;
    bool active_;
    bool shown_ = false;
    int total_ = 0;
    QElapsedTimer clock_;
    qint64 lastDrawMs_ = -1000;
};

} // namespace varnova
