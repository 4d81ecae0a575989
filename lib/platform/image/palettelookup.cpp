#include "platform/image/palettelookup_p.h"

#include <algorithm>

namespace vexo::palettelookup {

namespace {

// Squared distances from every entry to the 32 cells of one channel: the nearest and the
// farthest value of the cell [8k, 8k + 7].
struct TChannelSpans {
    std::vector<std::int32_t> Near; // [entry * 32 + cell]
    std::vector<std::int32_t> Far;
};

TChannelSpans Spans(const std::vector<std::uint32_t>& palette, int shift) {
    TChannelSpans s;
    s.Near.resize(palette.size() * 32);
    s.Far.resize(palette.size() * 32);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::int32_t e = std::int32_t((palette[i] >> shift) & 0xFF);
        for (std::int32_t k = 0; k < 32; ++k) {
            const std::int32_t lo = 8 * k, hi = 8 * k + 7;
            const std::int32_t near = e < lo ? lo - e : e > hi ? e - hi : 0;
            const std::int32_t far = std::max(e - lo, hi - e);
            s.Near[i * 32 + std::size_t(k)] = near * near;
            s.Far[i * 32 + std::size_t(k)] = far * far;
        }
    }
    return s;
}

} // namespace

QVector<std::uint32_t> PaletteKey(const QVector<std::uint32_t>& palette, int usable) {
    usable = std::clamp(usable, 0, int(palette.size()));
    QVector<std::uint32_t> key(usable);
    for (int i = 0; i < usable; ++i)
        key[i] = palette[i] & 0xFFFFFFu;
    return key;
}

namespace {

// The squared distance splits into one term per channel, so each palette entry is compared
// against the whole grid with additions only; scanning the entries in order with a strict
// comparison keeps the lowest index on ties.
std::shared_ptr<const TReducedTable> BuildReducedTable(const QVector<std::uint32_t>& palette) {
    auto table = std::make_shared<TReducedTable>(32768, std::uint8_t(0));
    const int usable = int(palette.size());
    if (usable <= 0)
        return table;
    std::vector<std::int32_t> best(32768, 0x7FFFFFFF);
    std::vector<std::int32_t> index(32768, 0);
    for (int i = 0; i < usable; ++i) {
        const std::uint32_t e = palette[i];
        std::int32_t dr[32], dg[32], db[32];
        for (int k = 0; k < 32; ++k) {
            const std::int32_t v = 8 * k + 4;
            dr[k] = (v - std::int32_t((e >> 16) & 0xFF)) * (v - std::int32_t((e >> 16) & 0xFF));
            dg[k] = (v - std::int32_t((e >> 8) & 0xFF)) * (v - std::int32_t((e >> 8) & 0xFF));
            db[k] = (v - std::int32_t(e & 0xFF)) * (v - std::int32_t(e & 0xFF));
        }
        for (int rg = 0; rg < 1024; ++rg) {
            const std::int32_t base = dr[rg >> 5] + dg[rg & 31];
            std::int32_t* bp = best.data() + rg * 32;
            std::int32_t* ip = index.data() + rg * 32;
            for (int b = 0; b < 32; ++b) {
                const std::int32_t d = base + db[b];
                const bool nearer = d < bp[b];
                bp[b] = nearer ? d : bp[b];
                ip[b] = nearer ? i : ip[b];
            }
        }
    }
    for (int k = 0; k < 32768; ++k)
        (*table)[k] = std::uint8_t(index[k]);
    return table;
}

} // namespace

std::shared_ptr<const TReducedTable> ReducedTable(const QVector<std::uint32_t>& palette,
                                                  int usable) {
    static TRecentTables<QVector<std::uint32_t>, TReducedTable> recent;
    const QVector<std::uint32_t> key = PaletteKey(palette, usable);
    return recent.Get(key, [&] { return BuildReducedTable(key); });
}

TNearestGrid::TNearestGrid(const QVector<std::uint32_t>& palette, int usable) : cells_(32768, 0) {
    const QVector<std::uint32_t> key = PaletteKey(palette, usable);
    palette_.assign(key.begin(), key.end());
    const std::size_t n = palette_.size();
    if (n <= 1)
        return; // entry 0 for every colour
    const TChannelSpans red = Spans(palette_, 16), green = Spans(palette_, 8),
                        blue = Spans(palette_, 0);
    // An entry repeating an earlier one loses every tie to it.
    std::vector<bool> repeated(n, false);
    for (std::size_t i = 1; i < n; ++i)
        repeated[i] = std::find(palette_.begin(), palette_.begin() + std::ptrdiff_t(i),
                                palette_[i]) != palette_.begin() + std::ptrdiff_t(i);
    std::vector<std::int32_t> near(n);
    std::vector<std::uint8_t> candidates;
    for (std::uint32_t cell = 0; cell < 32768; ++cell) {
        const std::size_t r = cell >> 10, g = (cell >> 5) & 31, b = cell & 31;
        // An entry whose nearest colour of the cell is farther than the farthest colour of the
        // cell is from some other entry is never nearest there, not even on a tie.
        std::int32_t bound = 0x7FFFFFFF;
        for (std::size_t i = 0; i < n; ++i) {
            near[i] = red.Near[i * 32 + r] + green.Near[i * 32 + g] + blue.Near[i * 32 + b];
            bound =
                std::min(bound, red.Far[i * 32 + r] + green.Far[i * 32 + g] + blue.Far[i * 32 + b]);
        }
        candidates.clear();
        for (std::size_t i = 0; i < n; ++i)
            if (near[i] <= bound && !repeated[i])
                candidates.push_back(std::uint8_t(i));
        if (candidates.size() == 1) {
            cells_[cell] = candidates[0];
            continue;
        }
        cells_[cell] = ListFlag + std::uint32_t(lists_.size());
        lists_.push_back(std::uint8_t(candidates.size()));
        lists_.insert(lists_.end(), candidates.begin(), candidates.end());
    }
}

std::uint32_t TNearestGrid::Search(std::uint32_t list, std::uint32_t r, std::uint32_t g,
                                   std::uint32_t b) const {
    const std::uint8_t* entry = lists_.data() + list;
    const int count = *entry++;
    std::uint32_t best = entry[0];
    std::int32_t bestDistance = 0x7FFFFFFF;
    for (int k = 0; k < count; ++k) {
        const std::uint32_t e = palette_[entry[k]];
        const std::int32_t dr = std::int32_t((e >> 16) & 0xFF) - std::int32_t(r);
        const std::int32_t dg = std::int32_t((e >> 8) & 0xFF) - std::int32_t(g);
        const std::int32_t db = std::int32_t(e & 0xFF) - std::int32_t(b);
        const std::int32_t d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = entry[k];
        }
    }
    return best;
}

std::shared_ptr<const TNearestGrid> NearestGrid(const QVector<std::uint32_t>& palette, int usable) {
    static TRecentTables<QVector<std::uint32_t>, TNearestGrid> recent;
    const QVector<std::uint32_t> key = PaletteKey(palette, usable);
    return recent.Get(key,
                      [&] { return std::make_shared<const TNearestGrid>(key, int(key.size())); });
}

} // namespace vexo::palettelookup
