#include "platform/image/pixelconverter.h"

#include <array>
#include <cstring>
#include <type_traits>
#include <vector>

#include "platform/image/palettelookup_p.h"
#include "platform/image/pixelchannel_p.h"
#include "platform/runtime/exception.h"

namespace vexo {

namespace {

using pixelchannel::Channel;

// Source layouts with a decoder of their own.
enum SourceKind { skPal1, skPal4, skPal8, skRgb24, skRgb32, skMasked16, skMasked32 };
// Target layouts with a store of their own.
enum TargetKind { tkPal1, tkPal4, tkPal8, tkRgb24, tkMasked16, tkMasked32 };

bool SameColourMasks(const TBitFields& a, const TBitFields& b) {
    return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue;
}

// The formats a table of every raw value of a 16-bit source was made for.
struct TRawKey {
    TBitFields SourceMasks;
    TPixelFormat Target;
    friend bool operator==(const TRawKey&, const TRawKey&) = default;
};

struct ConverterCore {
    using RowFn = void (*)(ConverterCore&, const std::uint8_t*, int, std::uint8_t*);

    TPixelFormat source;
    TPixelFormat target;
    SourceKind sourceKind = skRgb24;
    TargetKind targetKind = tkRgb24;
    bool identity = false;
    int usable = 0; // target palette entries a pixel can address
    RowFn row = nullptr;

    // Paletted source: the target value of every index.
    std::array<std::uint32_t, 256> indexValue{};
    // Masked source: its fields and their widening to 8 bits.
    std::array<Channel, 3> sourceField{};
    std::array<std::array<std::uint8_t, 256>, 3> widen{};
    // Masked target: the three fields of each 8-bit channel value.
    std::array<std::array<std::uint32_t, 256>, 3> narrow{};
    // Paletted targets fed from direct colours, tables fetched on first use: for an 8-bit
    // target reduced 5-5-5 colour -> palette index, for 1 and 4-bit ones the nearest-entry
    // grid.
    std::shared_ptr<const palettelookup::TReducedTable> reduced;
    std::shared_ptr<const palettelookup::TNearestGrid> grid;
    // A 16-bit source, fetched on first use: the target value of every raw value (a
    // palette index, or a direct-colour value).
    std::shared_ptr<const std::vector<std::uint8_t>> rawIndex;
    std::shared_ptr<const std::vector<std::uint32_t>> rawValue;

    ConverterCore(const TPixelFormat& src, const TPixelFormat& dst);

    std::uint32_t Nearest(std::uint32_t rgb) const {
        return std::uint32_t(NearestPaletteIndex(target.Palette, usable, rgb));
    }

    // The target value of a colour taken from a direct-colour source pixel. For an 8-bit
    // target the reduced table must be in place (EnsureReduced).
    template <int TK> std::uint32_t MapDirect(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
        if constexpr (TK == tkPal8) {
            return (*reduced)[palettelookup::ReducedKey(r, g, b)];
        } else if constexpr (TK == tkPal1 || TK == tkPal4) {
            return grid->Nearest(r, g, b);
        } else if constexpr (TK == tkRgb24) {
            return (r << 16) | (g << 8) | b;
        } else {
            return narrow[0][r] | narrow[1][g] | narrow[2][b];
        }
    }

    // The tables MapDirect<TK> needs for a paletted target.
    template <int TK> void EnsureTables() {
        if constexpr (TK == tkPal8) {
            if (!reduced)
                reduced = palettelookup::ReducedTable(target.Palette, usable);
        } else if constexpr (TK == tkPal1 || TK == tkPal4) {
            if (!grid)
                grid = palettelookup::NearestGrid(target.Palette, usable);
        }
    }

    // A 16-bit source has few enough values to map each once: what MapDirect<TK> gives for
    // the colour of every raw value, in a table shared by the converters of these formats.
    template <int TK> void EnsureRawTable() {
        constexpr bool paletted = TK == tkPal1 || TK == tkPal4 || TK == tkPal8;
        using Value = std::conditional_t<paletted, std::uint8_t, std::uint32_t>;
        auto& table = [this]() -> std::shared_ptr<const std::vector<Value>>& {
            if constexpr (paletted)
                return rawIndex;
            else
                return rawValue;
        }();
        if (table)
            return;
        EnsureTables<TK>();
        static palettelookup::TRecentTables<TRawKey, std::vector<Value>> recent;
        TPixelFormat key = target;
        key.Palette = palettelookup::PaletteKey(target.Palette, usable);
        table = recent.Get(TRawKey{source.EffectiveMasks(), key}, [this] {
            auto values = std::make_shared<std::vector<Value>>(65536);
            for (std::uint32_t v = 0; v < 65536; ++v)
                (*values)[v] =
                    Value(MapDirect<TK>(WidenField(0, v), WidenField(1, v), WidenField(2, v)));
            return values;
        });
    }

    // The target value of a colour taken from a palette: no channel reduction.
    std::uint32_t MapExact(std::uint32_t rgb) const {
        if (target.IsPaletted())
            return Nearest(rgb);
        if (targetKind == tkRgb24)
            return rgb;
        return narrow[0][(rgb >> 16) & 0xFF] | narrow[1][(rgb >> 8) & 0xFF] | narrow[2][rgb & 0xFF];
    }

    std::uint32_t WidenField(int i, std::uint32_t raw) const {
        const Channel& c = sourceField[i];
        if (c.Width <= 8)
            return widen[i][(raw >> c.Shift) & ((1u << c.Width) - 1)];
        return pixelchannel::Expand(c, raw);
    }
};

template <int SK> inline std::uint32_t ReadIndex(const std::uint8_t* src, int x) {
    if constexpr (SK == skPal1)
        return (src[x >> 3] >> (7 - (x & 7))) & 1u;
    else if constexpr (SK == skPal4)
        return (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu;
    else
        return src[x];
}

template <int SK, int TK>
inline std::uint32_t Fetch(ConverterCore& c, const std::uint8_t* src, int x) {
    if constexpr (SK == skPal1 || SK == skPal4 || SK == skPal8) {
        return c.indexValue[ReadIndex<SK>(src, x)];
    } else if constexpr (SK == skRgb24) {
        const std::uint8_t* p = src + 3 * x;
        return c.template MapDirect<TK>(p[2], p[1], p[0]);
    } else if constexpr (SK == skRgb32) {
        const std::uint8_t* p = src + 4 * x;
        return c.template MapDirect<TK>(p[2], p[1], p[0]);
    } else {
        std::uint32_t raw;
        if constexpr (SK == skMasked16) {
            raw = std::uint32_t(src[2 * x]) | (std::uint32_t(src[2 * x + 1]) << 8);
            if constexpr (TK == tkPal1 || TK == tkPal4 || TK == tkPal8)
                return (*c.rawIndex)[raw];
            else
                return (*c.rawValue)[raw];
        } else {
            std::memcpy(&raw, src + 4 * x, 4);
        }
        return c.template MapDirect<TK>(c.WidenField(0, raw), c.WidenField(1, raw),
                                        c.WidenField(2, raw));
    }
}

template <int SK, int TK>
void ConvertRowT(ConverterCore& c, const std::uint8_t* src, int count, std::uint8_t* dst) {
    if constexpr (SK == skMasked16)
        c.EnsureRawTable<TK>();
    else if constexpr (SK == skRgb24 || SK == skRgb32 || SK == skMasked32)
        c.EnsureTables<TK>();
    if constexpr (TK == tkPal1) {
        for (int x = 0; x < count; x += 8) {
            std::uint32_t byte = 0;
            const int n = count - x < 8 ? count - x : 8;
            for (int i = 0; i < n; ++i)
                byte |= (Fetch<SK, TK>(c, src, x + i) & 1u) << (7 - i);
            dst[x >> 3] = std::uint8_t(byte);
        }
    } else if constexpr (TK == tkPal4) {
        for (int x = 0; x < count; x += 2) {
            std::uint32_t byte = (Fetch<SK, TK>(c, src, x) & 0xFu) << 4;
            if (x + 1 < count)
                byte |= Fetch<SK, TK>(c, src, x + 1) & 0xFu;
            dst[x >> 1] = std::uint8_t(byte);
        }
    } else if constexpr (TK == tkPal8) {
        for (int x = 0; x < count; ++x)
            dst[x] = std::uint8_t(Fetch<SK, TK>(c, src, x));
    } else if constexpr (TK == tkRgb24) {
        if constexpr (SK == skRgb32) {
            for (int x = 0; x < count; ++x) {
                dst[3 * x] = src[4 * x];
                dst[3 * x + 1] = src[4 * x + 1];
                dst[3 * x + 2] = src[4 * x + 2];
            }
        } else {
            for (int x = 0; x < count; ++x) {
                const std::uint32_t v = Fetch<SK, TK>(c, src, x);
                dst[3 * x] = std::uint8_t(v);
                dst[3 * x + 1] = std::uint8_t(v >> 8);
                dst[3 * x + 2] = std::uint8_t(v >> 16);
            }
        }
    } else if constexpr (TK == tkMasked16) {
        for (int x = 0; x < count; ++x) {
            const std::uint32_t v = Fetch<SK, TK>(c, src, x);
            dst[2 * x] = std::uint8_t(v);
            dst[2 * x + 1] = std::uint8_t(v >> 8);
        }
    } else {
        for (int x = 0; x < count; ++x) {
            const std::uint32_t v = Fetch<SK, TK>(c, src, x);
            std::memcpy(dst + 4 * x, &v, 4);
        }
    }
}

template <int SK> ConverterCore::RowFn PickRow(TargetKind tk) {
    switch (tk) {
    case tkPal1:
        return &ConvertRowT<SK, tkPal1>;
    case tkPal4:
        return &ConvertRowT<SK, tkPal4>;
    case tkPal8:
        return &ConvertRowT<SK, tkPal8>;
    case tkRgb24:
        return &ConvertRowT<SK, tkRgb24>;
    case tkMasked16:
        return &ConvertRowT<SK, tkMasked16>;
    default:
        return &ConvertRowT<SK, tkMasked32>;
    }
}

ConverterCore::RowFn PickRow(SourceKind sk, TargetKind tk) {
    switch (sk) {
    case skPal1:
        return PickRow<skPal1>(tk);
    case skPal4:
        return PickRow<skPal4>(tk);
    case skPal8:
        return PickRow<skPal8>(tk);
    case skRgb24:
        return PickRow<skRgb24>(tk);
    case skRgb32:
        return PickRow<skRgb32>(tk);
    case skMasked16:
        return PickRow<skMasked16>(tk);
    default:
        return PickRow<skMasked32>(tk);
    }
}

SourceKind SourceKindOf(const TPixelFormat& f) {
    switch (f.BitCount) {
    case 1:
        return skPal1;
    case 4:
        return skPal4;
    case 8:
        return skPal8;
    case 16:
        return skMasked16;
    case 24:
        return skRgb24;
    default:
        return SameColourMasks(f.EffectiveMasks(), TPixelFormat::Rgb32().Masks) ? skRgb32
                                                                                : skMasked32;
    }
}

TargetKind TargetKindOf(const TPixelFormat& f) {
    switch (f.BitCount) {
    case 1:
        return tkPal1;
    case 4:
        return tkPal4;
    case 8:
        return tkPal8;
    case 16:
        return tkMasked16;
    case 24:
        return tkRgb24;
    default:
        return tkMasked32;
    }
}

bool ValidDepth(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

ConverterCore::ConverterCore(const TPixelFormat& src, const TPixelFormat& dst)
    : source(src), target(dst) {
    for (int bits : {src.BitCount, dst.BitCount})
        if (!ValidDepth(bits))
            throw EInvalidGraphic(
                QStringLiteral("Unsupported pixel format: %1 bits per pixel").arg(bits));
    sourceKind = SourceKindOf(src);
    targetKind = TargetKindOf(dst);
    usable = dst.UsablePaletteSize();

    if (!dst.IsPaletted() && dst.BitCount != 24) {
        const TBitFields m = dst.EffectiveMasks();
        const Channel fields[3] = {Channel::Of(m.Red), Channel::Of(m.Green), Channel::Of(m.Blue)};
        for (int i = 0; i < 3; ++i)
            for (std::uint32_t v = 0; v < 256; ++v)
                narrow[i][v] = pixelchannel::Encode(fields[i], v);
    }
    if (sourceKind == skMasked16 || sourceKind == skMasked32) {
        const TBitFields m = src.EffectiveMasks();
        sourceField = {Channel::Of(m.Red), Channel::Of(m.Green), Channel::Of(m.Blue)};
        for (int i = 0; i < 3; ++i) {
            if (sourceField[i].Width > 8)
                continue;
            const std::uint32_t n = 1u << sourceField[i].Width;
            for (std::uint32_t v = 0; v < n; ++v)
                widen[i][v] =
                    std::uint8_t(pixelchannel::Expand(sourceField[i], v << sourceField[i].Shift));
        }
    }

    // Same direct-colour layout: rows are copied raw, spare bits included.
    identity = !src.IsPaletted() && src.BitCount == dst.BitCount &&
               (src.BitCount == 24 || SameColourMasks(src.EffectiveMasks(), dst.EffectiveMasks()));

    if (src.IsPaletted()) {
        // Indices beyond a short palette read as black, as the bitmap reports them.
        const int n = 1 << src.BitCount;
        for (int i = 0; i < n; ++i) {
            const std::uint32_t rgb = i < src.Palette.size() ? src.Palette[i] & 0xFFFFFFu : 0u;
            indexValue[i] = MapExact(rgb);
        }
    }
    row = PickRow(sourceKind, targetKind);
}

} // namespace

struct TPixelConverter::Impl : ConverterCore {
    using ConverterCore::ConverterCore;
};

TPixelConverter::TPixelConverter(const TPixelFormat& source, const TPixelFormat& target)
    : d_(std::make_unique<Impl>(source, target)) {}

TPixelConverter::~TPixelConverter() = default;
TPixelConverter::TPixelConverter(TPixelConverter&&) noexcept = default;
TPixelConverter& TPixelConverter::operator=(TPixelConverter&&) noexcept = default;

const TPixelFormat& TPixelConverter::Source() const {
    return d_->source;
}
const TPixelFormat& TPixelConverter::Target() const {
    return d_->target;
}
bool TPixelConverter::IsIdentity() const {
    return d_->identity;
}

void TPixelConverter::ConvertRow(const std::uint8_t* src, int count, std::uint8_t* dst) {
    if (count <= 0)
        return;
    if (d_->identity) {
        std::memmove(dst, src, std::size_t(count) * std::size_t(d_->target.BitCount / 8));
        return;
    }
    d_->row(*d_, src, count, dst);
}

std::uint32_t TPixelConverter::ConvertColor(std::uint32_t rgb) {
    rgb &= 0xFFFFFFu;
    if (d_->source.IsPaletted())
        return d_->MapExact(rgb);
    const std::uint32_t r = rgb >> 16, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    switch (d_->targetKind) {
    case tkPal1:
    case tkPal4:
        d_->EnsureTables<tkPal1>();
        return d_->MapDirect<tkPal1>(r, g, b);
    case tkPal8:
        d_->EnsureTables<tkPal8>();
        return d_->MapDirect<tkPal8>(r, g, b);
    case tkRgb24:
        return d_->MapDirect<tkRgb24>(r, g, b);
    default:
        return d_->MapDirect<tkMasked32>(r, g, b);
    }
}

} // namespace vexo
