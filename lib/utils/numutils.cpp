#include "utils/numutils.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace vexo {

namespace {

long double RoundHalfAway(long double value) {
    return value > 0 ? std::trunc(value + 0.5L) : std::trunc(value - 0.5L);
}

} // namespace

std::int32_t Round(long double value) {
    if (std::isnan(value))
        return 0;
    const long double r = RoundHalfAway(value);
    if (r >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (r <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

double WRound(double value, int digits) {
    if (digits == 0)
        return double(RoundHalfAway(value));
    const double scale = std::pow(10.0, std::abs(digits));
    if (digits > 0)
        return double(RoundHalfAway(value * scale)) / scale;
    return double(RoundHalfAway(value / scale)) * scale;
}

int GetMax(int a, int b) {
    return a > b ? a : b;
}

int GetMin(int a, int b) {
    return a < b ? a : b;
}

void SwapInteger(int& a, int& b) {
    std::swap(a, b);
}

void SwapLongInt(std::int32_t& a, std::int32_t& b) {
    std::swap(a, b);
}

void SwapDouble(double& a, double& b) {
    std::swap(a, b);
}

void Swap(void* p, void* q, int size) {
    if (p == nullptr || q == nullptr || size <= 0 || p == q)
        return;
    std::vector<unsigned char> buffer(static_cast<std::size_t>(size));
    std::memcpy(buffer.data(), p, buffer.size());
    std::memmove(p, q, buffer.size());
    std::memcpy(q, buffer.data(), buffer.size());
}

TPoint SmallToPoint(std::uint32_t smallPoint) {
    return TPoint{static_cast<std::int16_t>(smallPoint & 0xFFFF),
                  static_cast<std::int16_t>(smallPoint >> 16)};
}

} // namespace vexo
