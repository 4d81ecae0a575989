// Replays the BMP reader's fuzzing seeds and many mutations of them through the reader, so
// the normal (sanitizer) test run checks what the fuzz target checks, deterministically.

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "fuzz/bmproundtrip.h"

using namespace vexo;

namespace {

QList<QByteArray> Seeds() {
    QList<QByteArray> seeds;
    const QDir dir(QStringLiteral(VARNOVA_FUZZ_CORPUS));
    for (const QString& name : dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            seeds.append(f.readAll());
    }
    return seeds;
}

const std::uint8_t* Data(const QByteArray& b) {
    return reinterpret_cast<const std::uint8_t*>(b.constData());
}

class Mutator {
public:
    explicit Mutator(std::uint64_t seed) : state_(seed * 2862933555777941757ull + 3037000493ull) {}

    std::uint32_t Next(std::uint32_t bound) {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return bound == 0 ? 0 : std::uint32_t((state_ >> 33) % bound);
    }

    QByteArray Mutate(QByteArray b) {
        const int edits = 1 + int(Next(4));
        for (int i = 0; i < edits && !b.isEmpty(); ++i) {
            const auto at = qsizetype(Next(std::uint32_t(b.size())));
            switch (Next(6)) {
            case 0: // flip a bit
                b[at] = char(b[at] ^ (1 << Next(8)));
                break;
            case 1: // an interesting byte
                b[at] = char(kBytes[Next(std::size(kBytes))]);
                break;
            case 2: // an interesting 32-bit field, often over a header field
                for (int k = 0; k < 4 && at + k < b.size(); ++k)
                    b[at + k] = char(kWords[Next(std::size(kWords))] >> (8 * k));
                break;
            case 3: // cut the file
                b.truncate(at);
                break;
            case 4: // drop a byte
                b.remove(at, 1);
                break;
            default: // insert a byte
                b.insert(at, char(Next(256)));
                break;
            }
        }
        return b;
    }

private:
    static constexpr std::uint8_t kBytes[] = {0x00, 0x01, 0x02, 0x03, 0x7F, 0x80, 0xFE, 0xFF};
    static constexpr std::uint32_t kWords[] = {
        0, 1, 12, 40, 124, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x10000, 0x10001, 0xFFFF0000, 3};
    std::uint64_t state_;
};

TEST(BmpReplay, EverySeedIsAValidFileThatRoundTrips) {
    const QList<QByteArray> seeds = Seeds();
    ASSERT_GE(seeds.size(), 10) << "fuzz/corpus is missing";
    for (const QByteArray& seed : seeds) {
        EXPECT_NO_THROW(ReadBmp(seed));
        EXPECT_TRUE(fuzzing::BmpInputHolds(Data(seed), std::size_t(seed.size())));
    }
}

TEST(BmpReplay, MutatedSeedsAreRefusedOrRoundTrip) {
    const QList<QByteArray> seeds = Seeds();
    ASSERT_FALSE(seeds.isEmpty());
    Mutator mutator(2024);
    int accepted = 0;
    int refused = 0;
    for (int round = 0; round < 1500; ++round) {
        for (const QByteArray& seed : seeds) {
            const QByteArray input = mutator.Mutate(seed);
            ASSERT_TRUE(fuzzing::BmpInputHolds(Data(input), std::size_t(input.size())))
                << "round " << round << ", input " << input.toHex().constData();
            try {
                ReadBmp(input);
                ++accepted;
            } catch (const EInvalidGraphic&) {
                ++refused;
            }
        }
    }
    // Both outcomes must occur, or the mutations do not reach the interesting paths.
    EXPECT_GT(accepted, 1000);
    EXPECT_GT(refused, 1000);
}

} // namespace
