#include "utils/utilsmessages.h"

#include <QMutex>
#include <cstdio>

namespace vexo {

namespace {

struct Receivers {
    QMutex mutex;
    TUtilsMessageProc info;
    TUtilsMessageProc error;
};

Receivers& receivers() {
    static Receivers r;
    return r;
}

void Deliver(TUtilsMessageProc Receivers::*which, const QString& text) {
    TUtilsMessageProc proc;
    {
        QMutexLocker lock(&receivers().mutex);
        proc = receivers().*which;
    }
    if (!proc || !proc(text))
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

void SetUtilsMessageProcs(TUtilsMessageProc info, TUtilsMessageProc error) {
    QMutexLocker lock(&receivers().mutex);
    receivers().info = std::move(info);
    receivers().error = std::move(error);
}

void UtilsInfoMsg(const QString& text) {
    Deliver(&Receivers::info, text);
}

void UtilsErrorMsg(const QString& text) {
    Deliver(&Receivers::error, text);
}

} // namespace vexo
