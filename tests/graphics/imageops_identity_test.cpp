// The fast shift, resize and rotate against a plain one-pixel-at-a-time reference of their
// documented arithmetic: every pixel must be identical, whatever the area, the parameters,
// the processor's vector units or the number of threads.
#include "graphics/imageops.h"

#include <gtest/gtest.h>

#include <QThread>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <vector>

using namespace vexo;

namespace {

// The standard blend as documented, written out independently of the library.
std::uint32_t ReferenceFourPoint(const TvexoBitmapArray& s, double X, double Y) {
    if (UsablePixels(s) == 0)
        return 0;
    const double tx = std::trunc(X);
    const double ty = std::trunc(Y);
    const double lastX = double(s.Left) + s.Width - 1;
    const double lastY = double(s.Top) + s.Height - 1;
    if (!(tx >= s.Left && tx <= lastX && ty >= s.Top && ty <= lastY))
        return 0;
    const std::int64_t ix = std::int64_t(tx);
    const std::int64_t iy = std::int64_t(ty);
    const double dx = X - double(ix);
    const double dy = Y - double(iy);
    const std::int64_t base = PixelIndex(s, ix, iy);
    const std::int64_t right = ix < lastX ? 1 : 0;
    const std::int64_t up = iy < lastY ? s.Width : 0;
    const std::uint32_t p[4] = {s.Bits[base], s.Bits[base + up], s.Bits[base + right],
                                s.Bits[base + right + up]};
    const double w[4] = {2 - dx - dy, 1 - dx + dy, 1 + dx - dy, dx + dy};
    std::uint32_t result = 0;
    for (int shift : {16, 8, 0}) {
        double v = 0;
        for (int k = 0; k < 4; ++k)
            v = v + w[k] * ((p[k] >> shift) & 0xFF);
        const double q = v / 4;
        result |= (q > 0 ? std::uint32_t(std::min(q, 255.0) + 0.5) : 0u) << shift;
    }
    return result;
}

using Position = std::function<void(std::int64_t x, std::int64_t y, double& sx, double& sy)>;

// Fills the destination column by column, as the routines are documented to, from a copy of
// the source (so that shared memory reads unmodified pixels).
std::vector<std::uint32_t> Reference(const TvexoBitmapArray& source, const TvexoBitmapArray& dest,
                                     const Position& position, TInterpolateFunction f) {
    std::vector<std::uint32_t> copy(source.Bits, source.Bits + UsablePixels(source));
    TvexoBitmapArray src = source;
    src.Bits = copy.data();
    std::vector<std::uint32_t> out(dest.Bits, dest.Bits + UsablePixels(dest));
    for (std::int64_t i = 0; i < dest.Width; ++i)
        for (std::int64_t j = 0; j < dest.Height; ++j) {
            double sx, sy;
            position(dest.Left + i, dest.Top + j, sx, sy);
            out[std::size_t(i + j * dest.Width)] =
                f != nullptr ? f(src, sx, sy) : ReferenceFourPoint(src, sx, sy);
        }
    return out;
}

Position ShiftPosition(double dx, double dy) {
    return [=](std::int64_t x, std::int64_t y, double& sx, double& sy) {
        sx = double(x) - dx;
        sy = double(y) - dy;
    };
}

Position ResizePosition(double kx, double ky) {
    const double fx = double(std::exp(-(long double)kx / 100));
    const double fy = double(std::exp(-(long double)ky / 100));
    return [=](std::int64_t x, std::int64_t y, double& sx, double& sy) {
        sx = double(x) * fx;
        sy = double(y) * fy;
    };
}

Position RotatePosition(double cx, double cy, double angle) {
    const double s = double(std::sin(-(long double)angle));
    const double c = double(std::cos(-(long double)angle));
    return [=](std::int64_t x, std::int64_t y, double& sx, double& sy) {
        const double ex = double(x) - cx;
        const double ey = double(y) - cy;
        sx = cx + ex * c + ey * s;
        sy = cy - ex * s + ey * c;
    };
}

struct Area {
    Area(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
         std::mt19937& random)
        : pixels(std::size_t(width) * std::size_t(height)) {
        for (auto& p : pixels)
            p = std::uint32_t(random()); // the spare byte too: it must not leak into a blend
        rec = {left, top, width, height, width * height * 4, pixels.data()};
    }
    std::vector<std::uint32_t> pixels;
    TvexoBitmapArray rec;
};

// One operation with its parameters, run through the library and through the reference.
struct Case {
    const char* name;
    std::function<void(const TvexoBitmapArray&, const TvexoBitmapArray&, TInterpolateFunction)> run;
    Position position;
};

std::vector<Case> CasesFor(std::mt19937& random, double centreX, double centreY) {
    std::uniform_real_distribution<double> any(-40, 40);
    const double huge[] = {1e9,
                           -3e12,
                           1e300,
                           -1e300,
                           std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN(),
                           2147483647.5};
    const double dx = random() % 4 == 0 ? huge[random() % 7] : any(random);
    const double dy = random() % 4 == 0 ? huge[random() % 7] : any(random);
    // Resize factors from strong shrinking to strong enlarging, with the overflowing ends.
    const double k[] = {any(random) * 4, 0, -2000, 2000, 100 * std::log(2.0)};
    const double kx = k[random() % 5];
    const double ky = random() % 2 ? kx : any(random) * 4;
    const double angle = std::uniform_real_distribution<double>(-7, 7)(random);
    const double cx = random() % 5 == 0 ? huge[random() % 7] : centreX + any(random);
    const double cy = centreY + any(random);
    return {
        {"Shift", [=](auto& s, auto& d, auto f) { ShiftImage(s, d, dx, dy, f); },
         ShiftPosition(dx, dy)},
        {"Resize", [=](auto& s, auto& d, auto f) { ResizeImage(s, d, kx, ky, f); },
         ResizePosition(kx, ky)},
        {"Rotate", [=](auto& s, auto& d, auto f) { RotateImage(s, d, cx, cy, angle, f); },
         RotatePosition(cx, cy, angle)},
    };
}

class ThreadSetting {
public:
    explicit ThreadSetting(int count) : saved_(ImageOpsThreads()) { SetImageOpsThreads(count); }
    ~ThreadSetting() { SetImageOpsThreads(saved_); }

private:
    int saved_;
};

void ExpectIdentical(const std::vector<std::uint32_t>& expected, const TvexoBitmapArray& dest,
                     const std::string& what) {
    const std::vector<std::uint32_t> actual(dest.Bits, dest.Bits + UsablePixels(dest));
    ASSERT_EQ(actual.size(), expected.size()) << what;
    const auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin());
    if (diff.first != actual.end()) {
        const auto i = diff.first - actual.begin();
        FAIL() << what << ": first difference at column " << i % dest.Width << ", row "
               << i / dest.Width << ": " << std::hex << *diff.first << " instead of "
               << *diff.second;
    }
}

// Runs each test on every level of vector units this processor offers.
class ImageOpsIdentity : public ::testing::TestWithParam<TVectorUnits> {
protected:
    void SetUp() override {
        if (GetParam() > AvailableVectorUnits())
            GTEST_SKIP() << "the processor lacks these vector units";
        SetImageOpsVectorUnits(GetParam());
        ASSERT_EQ(ImageOpsVectorUnits(), GetParam());
    }
    void TearDown() override { SetImageOpsVectorUnits(TVectorUnits::vuAVX512); }
};

} // namespace

std::string UnitsName(const ::testing::TestParamInfo<TVectorUnits>& info) {
    switch (info.param) {
    case TVectorUnits::vuNone:
        return "Plain";
    case TVectorUnits::vuAVX2:
        return "AVX2";
    case TVectorUnits::vuAVX512:
        return "AVX512";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(VectorUnits, ImageOpsIdentity,
                         ::testing::Values(TVectorUnits::vuNone, TVectorUnits::vuAVX2,
                                           TVectorUnits::vuAVX512),
                         UnitsName);

// Random areas: odd and tiny sizes (the vector kernels' tails), corners anywhere including
// near the ends of the 32-bit range, shifts by huge, infinite and NaN offsets, overflowing
// resize factors, any angle.
TEST_P(ImageOpsIdentity, RandomAreasMatchTheReference) {
    std::mt19937 random(20240611);
    const std::int32_t origins[] = {0, -7, 13, -2147483000, 2147480000};
    for (int round = 0; round < 300; ++round) {
        const std::int32_t origin = origins[random() % 5];
        auto side = [&] { return std::int32_t(1 + random() % (random() % 3 ? 40 : 9)); };
        auto corner = [&] { return origin + std::int32_t(random() % 30) - 15; };
        Area src(corner(), corner(), side(), side(), random);
        Area dst(corner(), corner(), side(), side(), random);
        for (const Case& c : CasesFor(random, src.rec.Left, src.rec.Top)) {
            const auto expected = Reference(src.rec, dst.rec, c.position, nullptr);
            c.run(src.rec, dst.rec, nullptr);
            ExpectIdentical(expected, dst.rec,
                            std::string(c.name) + " round " + std::to_string(round));
        }
    }
}

// Areas large enough to be split across threads, with every thread setting; the same buffer
// as source and destination too.
TEST_P(ImageOpsIdentity, ThreadSettingsAndSharedBuffersMatchTheReference) {
    std::mt19937 random(77);
    const int available = QThread::idealThreadCount();
    for (int threads : {1, 2, 3, 0}) {
        const ThreadSetting setting(threads);
        Area src(-3, 5, 331, 303, random);
        Area dst(1, 2, 329, 307, random);
        for (const Case& c : CasesFor(random, 160, 150)) {
            const std::string what = std::string(c.name) + " on " + std::to_string(threads) +
                                     " threads of " + std::to_string(available);
            c.run(src.rec, dst.rec, nullptr);
            ExpectIdentical(Reference(src.rec, dst.rec, c.position, nullptr), dst.rec, what);

            Area same(0, 0, 301, 297, random);
            const auto expected = Reference(same.rec, same.rec, c.position, nullptr);
            c.run(same.rec, same.rec, nullptr);
            ExpectIdentical(expected, same.rec, what + " in place");
        }
    }
}

// A caller's interpolator sees the documented positions in the documented order, on the
// calling thread, whatever the thread setting.
TEST(ImageOpsCustomInterpolator, MatchesTheReferenceOnTheCallingThread) {
    static std::vector<std::pair<double, double>> seen;
    static Qt::HANDLE caller;
    static bool otherThread;
    const TInterpolateFunction record = [](const TvexoBitmapArray& s, double x, double y) {
        seen.emplace_back(x, y);
        otherThread = otherThread || QThread::currentThreadId() != caller;
        return ReferenceFourPoint(s, x, y) ^ std::uint32_t(seen.size());
    };
    caller = QThread::currentThreadId();
    otherThread = false;
    const ThreadSetting setting(4);
    std::mt19937 random(5);
    Area src(0, 0, 301, 257, random);
    Area dst(-2, 3, 297, 263, random);
    for (const Case& c : CasesFor(random, 150, 120)) {
        seen.clear();
        const auto expected = Reference(src.rec, dst.rec, c.position, record);
        const auto order = seen;
        seen.clear();
        c.run(src.rec, dst.rec, record);
        ExpectIdentical(expected, dst.rec, c.name);
        // Compared bit for bit: NaN positions are equal to themselves here.
        ASSERT_EQ(order.size(), seen.size()) << c.name;
        EXPECT_EQ(std::memcmp(order.data(), seen.data(), seen.size() * sizeof seen[0]), 0)
            << c.name;
    }
    EXPECT_FALSE(otherThread);
}
