#pragma once
// Nearest palette entries looked up in tables instead of searched pixel by pixel. "Nearest" is
// always the smallest squared RGB distance, the lowest index on ties (NearestPaletteIndex).
// The tables depend on the palette only; the last few of each kind are kept process-wide, so
// converters made for every transfer and every thread share them.

#include <QVector>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace vexo::palettelookup {

// The last few tables made, by key; thread-safe. A table is made outside the lock (two
// threads may then both make one; either serves).
template <class Key, class Table> class TRecentTables {
public:
    template <class Make> std::shared_ptr<const Table> Get(const Key& key, Make make) {
        {
            const std::lock_guard lock(mutex_);
            for (std::size_t i = 0; i < entries_.size(); ++i) {
                if (entries_[i].first == key) {
                    auto hit = entries_[i];
                    entries_.erase(entries_.begin() + std::ptrdiff_t(i));
                    entries_.push_back(hit); // most recent last
                    return hit.second;
                }
            }
        }
        std::shared_ptr<const Table> table = make();
        const std::lock_guard lock(mutex_);
        if (entries_.size() >= Capacity)
            entries_.erase(entries_.begin());
        entries_.emplace_back(key, table);
        return table;
    }

private:
    static constexpr std::size_t Capacity = 8;
    std::mutex mutex_;
    std::vector<std::pair<Key, std::shared_ptr<const Table>>> entries_;
};

// The first `usable` entries of a palette, colours only: the key of the tables below.
QVector<std::uint32_t> PaletteKey(const QVector<std::uint32_t>& palette, int usable);

// For 8-bit targets fed from direct colours, whose channels are first reduced to
// (v AND NOT 7) + 4: the index of every reduced colour, keyed by the top five bits of each
// channel (red highest).
using TReducedTable = std::vector<std::uint8_t>;

// The first `usable` entries of `palette` (0x00RRGGBB; the top byte is ignored).
std::shared_ptr<const TReducedTable> ReducedTable(const QVector<std::uint32_t>& palette,
                                                  int usable);

inline std::uint32_t ReducedKey(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
}

// The exact nearest entry of any colour, for small palettes (1 and 4-bit targets): colours
// are grouped in cells of 8 x 8 x 8; a cell that only one entry can be nearest to for all its
// colours holds that entry, any other the entries that can be (few, in index order), among
// which the colour is then searched.
class TNearestGrid {
public:
    TNearestGrid(const QVector<std::uint32_t>& palette, int usable);

    std::uint32_t Nearest(std::uint32_t r, std::uint32_t g, std::uint32_t b) const {
        const std::uint32_t cell = cells_[ReducedKey(r, g, b)];
        return cell < ListFlag ? cell : Search(cell - ListFlag, r, g, b);
    }

private:
    static constexpr std::uint32_t ListFlag = 0x80000000u;

    std::uint32_t Search(std::uint32_t list, std::uint32_t r, std::uint32_t g,
                         std::uint32_t b) const;

    std::vector<std::uint32_t> palette_;
    std::vector<std::uint32_t> cells_; // an entry, or ListFlag + where its list starts
    std::vector<std::uint8_t> lists_;  // per list: the number of entries, then the entries
};

std::shared_ptr<const TNearestGrid> NearestGrid(const QVector<std::uint32_t>& palette, int usable);

} // namespace vexo::palettelookup
