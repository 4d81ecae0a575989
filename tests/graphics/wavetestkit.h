#pragma once
// Wave file images for tests, and a sound device that writes what is played into files.
//
// TFileSoundDevice routes the process's sounds into raw files "out-<rate>.raw" of a private
// folder through ALSA's file plugin (on a null device), so a test compares the bytes written
// with the samples of the wave. A TPacedSink turns such a file into a FIFO that it reads at a
// slow, steady pace: playing then takes a while, as on a real device, so a test can act while
// a sound plays.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtEndian>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "graphics/waveout.h"
#include "support/testdir.h"

namespace wavetest {

inline QByteArray Le16(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
inline QByteArray Le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A chunk with its pad byte when the body is odd-sized.
inline QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray c = QByteArray(id, 4) + Le32(quint32(body.size())) + body;
    if (body.size() % 2)
        c += '\0';
    return c;
}

// The body of a plain format chunk; blockAlign < 0: the one that matches.
inline QByteArray FormatBody(quint16 tag, int channels, quint32 rate, int bits,
                             int blockAlign = -1) {
    if (blockAlign < 0)
        blockAlign = channels * bits / 8;
    return Le16(tag) + Le16(quint16(channels)) + Le32(rate) + Le32(rate * quint32(blockAlign)) +
           Le16(quint16(blockAlign)) + Le16(quint16(bits));
}

// The body of an extensible format chunk for the sub-format tag.
inline QByteArray ExtensibleBody(quint16 subTag, int channels, quint32 rate, int bits,
                                 int validBits) {
    static const char tail[14] = {0x00, 0x00, 0x00,       0x00, 0x10, 0x00,       char(0x80),
                                  0x00, 0x00, char(0xAA), 0x00, 0x38, char(0x9B), 0x71};
    return FormatBody(0xFFFE, channels, rate, bits) + Le16(22) + Le16(quint16(validBits)) +
           Le32(0x3) + Le16(subTag) + QByteArray(tail, 14);
}

inline QByteArray Riff(const QByteArray& chunks) {
    return "RIFF" + Le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

inline QByteArray Wave(const QByteArray& formatBody, const QByteArray& samples) {
    return Riff(Chunk("fmt ", formatBody) + Chunk("data", samples));
}

// Deterministic bytes that look like noise.
inline QByteArray Noise(qsizetype size, quint32 seed = 1) {
    QByteArray b(size, '\0');
    for (qsizetype i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        b[i] = char(seed >> 24);
    }
    return b;
}

class TFileSoundDevice {
public:
    TFileSoundDevice() : previous_(vexo::WaveOutDevice()) {
        // A reader that goes away must not kill the test through SIGPIPE.
        std::signal(SIGPIPE, SIG_IGN);
        vexo::TWaveOutDevice device;
        device.PcmName = QStringLiteral("vexotest");
        device.Configuration = "pcm.vexotest { type file slave.pcm { type null } file \"" +
                               dir_.Path().toUtf8() + "out-%r.raw\" format raw }";
        vexo::SetWaveOutDevice(device);
    }
    ~TFileSoundDevice() { vexo::SetWaveOutDevice(previous_); }
    QString Output(quint32 rate) const {
        return dir_.Path() + QStringLiteral("out-%1.raw").arg(rate);
    }
    // What the last sound of that rate wrote; empty when none played.
    QByteArray Written(quint32 rate) const {
        QFile file(Output(rate));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    TestDir dir_;
    vexo::TWaveOutDevice previous_;
};

class TPacedSink {
public:
    // Reads up to bytesPerTick bytes every 10 ms from a FIFO made at path.
    TPacedSink(const QString& path, int bytesPerTick) : bytesPerTick_(bytesPerTick) {
        const QByteArray name = path.toLocal8Bit();
        ::unlink(name.constData());
        ::mkfifo(name.constData(), 0600);
        fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
        thread_ = std::thread([this] { Read(); });
    }
    ~TPacedSink() {
        quit_ = true;
        thread_.join();
        if (fd_ >= 0)
            ::close(fd_);
    }
    QByteArray Received() const {
        const std::lock_guard lock(mutex_);
        return received_;
    }
    bool Closed() const { return closed_; }
    // Waits (up to 20 s) until at least size bytes came, or the writer closed.
    void WaitFor(qsizetype size) const {
        Wait([&] { return Received().size() >= size; });
    }
    // Waits (up to 20 s) until the writer closed; true when it did.
    bool WaitClosed() const {
        Wait([&] { return closed_.load(); });
        return closed_;
    }

private:
    template <class Pred> void Wait(Pred done) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!done() && !closed_ && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    void Read() {
        QByteArray buffer(bytesPerTick_, '\0');
        while (!quit_ && fd_ >= 0) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0)
                continue;
            const ssize_t n = ::read(fd_, buffer.data(), size_t(buffer.size()));
            if (n > 0) {
                const std::lock_guard lock(mutex_);
                received_.append(buffer.constData(), n);
            } else if (n == 0 && (p.revents & POLLHUP)) {
                closed_ = true; // the writer came and went
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    int bytesPerTick_;
    int fd_ = -1;
    std::thread thread_;
    std::atomic<bool> quit_{false};
    std::atomic<bool> closed_{false};
    mutable std::mutex mutex_;
    QByteArray received_;
};

} // namespace wavetest
