#pragma once
// Image operations between 32-bit pixel buffers (TvexoBitmapArray records): shift, resize and
// rotate through a pluggable interpolation function, grey scale and per-channel offsets.
//
// Pixels are named by (X, Y): X a bitmap column, Y a buffer row counted from the bottom of
// the picture. Every routine writes each destination element once and hands the interpolator
// absolute positions, x over the area's columns in the outer loop and y over its rows in the
// inner one. Where that order cannot show (the standard interpolator, the colour operations)
// rows are walked in memory order instead, with the same result. Only the destination's
// pixels are written, never its record. When source and destination share memory the
// routines read a copy of the source, so the result is that of the unmodified source.
//
// Speed: with the standard interpolator, shift, resize and rotate work out the parts of each
// position that depend on the column only or the row only once, blend eight pixels at a time
// on processors with AVX2 or AVX-512, and split the destination's rows across threads. Every pixel
// is computed with the same double operations in the same order as FourPointInterpolate, so the
// result does not depend on the processor or the number of threads. A caller's interpolator
// is called on the calling thread, in the order above.

#include <cstdint>

#include "graphics/vexobitmaparray.h"
#include "vexo/graphics_export.h"

namespace vexo {

// The pixel value the source shows at a real-valued position.
using TInterpolateFunction = std::uint32_t (*)(const TvexoBitmapArray& Source, double X, double Y);

// Used when a routine is given no interpolator; starts as FourPointInterpolate. Read once per
// call. When it is null too, FourPointInterpolate stands in.
VEXO_GRAPHICS_EXPORT extern TInterpolateFunction DefaultInterpolator;

// Threads for shift, resize and rotate with the standard interpolator: a library-wide setting.
// 0, the default, uses every core the process may run on (its CPU affinity, read at each
// call); 1 keeps the work on the calling thread; N uses at most N threads, the calling thread
// among them. Negative values count as 0. Small areas stay on the calling thread whatever the
// setting, since starting a thread would cost more than it saves.
VEXO_GRAPHICS_EXPORT void SetImageOpsThreads(int count);
VEXO_GRAPHICS_EXPORT int ImageOpsThreads();

// The vector instructions shift, resize and rotate use with the standard interpolator. Every
// level gives the same pixels; a lower one serves tests and comparisons.
enum class TVectorUnits { vuNone = 0, vuAVX2 = 1, vuAVX512 = 2 };
// The best level this processor offers (AVX-512 here means F, VL, BW and DQ).
VEXO_GRAPHICS_EXPORT TVectorUnits AvailableVectorUnits();
// Caps the level, library-wide; by default nothing is capped. A cap above what the processor
// offers means the best it offers.
VEXO_GRAPHICS_EXPORT void SetImageOpsVectorUnits(TVectorUnits units);
// The level in use: the cap or the processor's best, whichever is lower.
VEXO_GRAPHICS_EXPORT TVectorUnits ImageOpsVectorUnits();

constexpr std::int64_t PixelIndex(const TvexoBitmapArray& A, std::int64_t X, std::int64_t Y) {
    return (X - A.Left) + (Y - A.Top) * A.Width;
}

// Blend of the pixel at the truncated position with its right, upper and upper-right
// neighbours, with the additive weights (2 - dx - dy), (1 - dx + dy), (1 + dx - dy), (dx + dy)
// over 4 (so dx = dy = 0 gives (2 P00 + P01 + P10) / 4, not P00). Black outside the source
// area. Neighbours beyond the area's last column or row are taken from that column or row.
VEXO_GRAPHICS_EXPORT std::uint32_t FourPointInterpolate(const TvexoBitmapArray& Source, double X,
                                                        double Y);

// Dest(x, y) = F(Source, x - DX, y - DY).
VEXO_GRAPHICS_EXPORT void ShiftImage(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest,
                                     double DX, double DY,
                                     TInterpolateFunction Interpolate = nullptr);
// Dest(x, y) = F(Source, x * e^(-KX/100), y * e^(-KY/100)): positive K enlarges about the
// bitmap's origin (K = 100 ln 2 doubles), negative K shrinks.
VEXO_GRAPHICS_EXPORT void ResizeImage(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest,
                                      double KX, double KY,
                                      TInterpolateFunction Interpolate = nullptr);
// Turns by Angle radians about (CX, CY); positive turns clockwise on the screen.
VEXO_GRAPHICS_EXPORT void RotateImage(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest,
                                      double CX, double CY, double Angle,
                                      TInterpolateFunction Interpolate = nullptr);

// For each pixel of the source area: blue = green = red = (blue + green + red) div 3 at the
// same (x, y) of the destination. Positions outside the destination area are skipped.
VEXO_GRAPHICS_EXPORT void ConvertToGrayScale(const TvexoBitmapArray& Source,
                                             const TvexoBitmapArray& Dest);
// Adds the offsets to each channel, clamped to 0..255; byte 3 becomes 0. Positions outside
// the destination area are skipped.
VEXO_GRAPHICS_EXPORT void ChangeRGB(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest,
                                    int DR, int DG, int DB);

} // namespace vexo
