#include "render/raster_surface.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <limits>
#include <new>
#include <type_traits>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace gyro {

namespace {

// Exact setup arithmetic for coordinates anywhere in the int32 range needs 66-bit
// products; ordinary coordinates stay in int64, which is much cheaper.
__extension__ typedef __int128 Int128;

// With every coordinate within this magnitude, all setup products fit in int64.
constexpr int64_t kSmallCoord = int64_t{1} << 28;

template <typename W>
W FloorDiv(W a, W b) {  // b > 0
    W q = a / b;
    if (a % b != 0 && a < 0) --q;
    return q;
}

template <typename W>
W CeilDiv(W a, W b) {  // b > 0
    W q = a / b;
    if (a % b != 0 && a > 0) ++q;
    return q;
}

bool IsSmall(int64_t v) { return v >= -kSmallCoord && v <= kSmallCoord; }

#if defined(__x86_64__) && defined(__GNUC__)
#define GYRO_HAVE_AVX_SPANS 1
// Long spans with 32-byte stores where the processor has them; checked once.
__attribute__((target("avx"))) void FillSpanAvx(uint32_t* p, std::size_t n, uint32_t c) {
    const __m256i v = _mm256_set1_epi32(static_cast<int>(c));
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i), v);
    if (i < n) _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + n - 8), v);  // overlapping tail
}
const bool kHaveAvx = [] {
    __builtin_cpu_init();  // we may run before the runtime's own initialiser
    return __builtin_cpu_supports("avx") != 0;
}();
#endif

// Writes n copies of c. Spans are the hot loop of every fill, so they are stored
// 16 or 32 bytes at a time whatever the optimiser decides.
inline void FillSpan(uint32_t* p, std::size_t n, uint32_t c) {
#if defined(GYRO_HAVE_AVX_SPANS)
    if (n >= 16 && kHaveAvx) {
        FillSpanAvx(p, n, c);
        return;
    }
#endif
#if defined(__SSE2__)
    if (n >= 8) {
        const __m128i v = _mm_set1_epi32(static_cast<int>(c));
        std::size_t i = 0;
        for (; i + 4 <= n; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), v);
        if (i < n) _mm_storeu_si128(reinterpret_cast<__m128i*>(p + n - 4), v);  // overlapping tail
        return;
    }
    for (std::size_t i = 0; i < n; ++i) p[i] = c;
#else
    std::fill_n(p, n, c);
#endif
}

// Sets up e for the edge from (xa, ya) down to (xb, yb), ya < yb, at row ys
// (ya <= ys < yb). The crossing with row ys is at xa + (ys + 0.5 - ya) * dx / dy;
// e.x is the first pixel whose centre x + 0.5 is at or right of it.
template <typename W>
void SetUpEdge(RasterEdge& e, int64_t xa, int64_t ya, int64_t xb, int64_t yb, int64_t ys) {
    const int64_t dx = xb - xa;
    const int64_t dy = yb - ya;
    const int64_t den = 2 * dy;
    // e.x - xa = ceil(((2 * (ys - ya) + 1) * dx - dy) / den)
    const W num = (W(2) * W(ys - ya) + W(1)) * W(dx) - W(dy);
    const W q = CeilDiv<W>(num, W(den));
    e.x = xa + static_cast<int64_t>(q);
    e.rem = static_cast<int64_t>(q * W(den) - num);
    e.den = den;
    e.step = FloorDiv<int64_t>(dx, dy);
    e.frac = 2 * dx - e.step * den;
}

// The same for an edge that starts on row ys == ya with small coordinates: with
// dx = s * dy + t (0 <= t < dy), ceil((dx - dy) / (2 * dy)) is s / 2 for even s and
// (s - 1) / 2 plus 1 if t > 0 for odd s, so a single 32-bit division does.
inline void SetUpEdgeFromTop(RasterEdge& e, int32_t xa, int32_t ya, int32_t xb, int32_t yb) {
    const int32_t dx = xb - xa;
    const int32_t dy = yb - ya;
    int32_t s = dx;
    int32_t t = 0;
    if (dy != 1) {
        s = dx / dy;
        t = dx - s * dy;
        if (t < 0) {
            --s;
            t += dy;
        }
    }
    const int32_t q = (s & 1) == 0 ? s / 2 : (s - 1) / 2 + (t > 0);
    e.x = int64_t{xa} + q;
    e.den = 2 * int64_t{dy};
    e.rem = int64_t{q} * e.den - (int64_t{dx} - dy);
    e.step = s;
    e.frac = 2 * int64_t{t};
}

void SetUpEdge(RasterEdge& e, int64_t xa, int64_t ya, int64_t xb, int64_t yb, int64_t ys, bool huge) {
    if (huge)
        SetUpEdge<Int128>(e, xa, ya, xb, yb, ys);
    else if (ys == ya)
        SetUpEdgeFromTop(e, static_cast<int32_t>(xa), static_cast<int32_t>(ya), static_cast<int32_t>(xb),
                         static_cast<int32_t>(yb));
    else
        SetUpEdge<int64_t>(e, xa, ya, xb, yb, ys);
}

inline void StepEdge(RasterEdge& e) {
    e.x += e.step;
    e.rem -= e.frac;
    if (e.rem < 0) {
        ++e.x;
        e.rem += e.den;
    }
}

// Fills the pixels xl <= x < xr of one row, clipped to 0..w.
inline void FillRow(uint32_t* row, int64_t xl, int64_t xr, int32_t w, uint32_t colour) {
    if (xl < 0) xl = 0;
    if (xr > w) xr = w;
    if (xl < xr) FillSpan(row + xl, static_cast<std::size_t>(xr - xl), colour);
}

// Calls edge(a, b, winding) for every edge of the polygons that crosses a row
// centre, with a the upper end (a.y < b.y) and winding +1 where the outline runs
// down from a to b, -1 where it runs up.
template <class Edge>
void ForEachDownwardEdge(const Point* points, const int32_t* counts, int32_t polygonCount, Edge edge) {
    const Point* poly = points;
    for (int32_t k = 0; k < polygonCount; ++k) {
        const int32_t n = counts[k];
        if (n <= 0) continue;
        for (int32_t i = 0; i < n; ++i) {
            const Point a = poly[i];
            const Point b = poly[i + 1 == n ? 0 : i + 1];
            if (a.y < b.y)
                edge(a, b, 1);
            else if (b.y < a.y)
                edge(b, a, -1);  // a horizontal edge crosses no row centre
        }
        poly += n;
    }
}

// True when every row crosses the polygon's outline at most twice: its edges go
// down once and up once around the cycle. Such a polygon fills from two chains.
bool IsMonotone(const Point* p, int32_t n) {
    int first = 0;
    int prev = 0;
    int changes = 0;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t j = i + 1 == n ? 0 : i + 1;
        const int s = (p[j].y > p[i].y) - (p[j].y < p[i].y);
        if (s == 0) continue;
        if (prev != 0 && s != prev) ++changes;
        if (first == 0) first = s;
        prev = s;
    }
    if (prev != 0 && prev != first) ++changes;
    return changes <= 2;
}

// Walks the pixels of the line from (x0, y0) towards (x1, y1), end point omitted,
// that fall inside [cx0, cx1) x [cy0, cy1), calling plot(x, y) for each. Clipping is
// solved in closed form, so the walk never steps outside the rectangle.
template <typename W, typename Plot>
void WalkLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t cx0, int64_t cy0, int64_t cx1, int64_t cy1,
              Plot&& plot) {
    const int64_t adx = std::llabs(x1 - x0);
    const int64_t ady = std::llabs(y1 - y0);
    const bool xMajor = adx >= ady;
    // Major axis u, minor axis v: pixel i is at u0 + su * i, v0 + sv * m(i) with
    // m(i) = floor((2 * i * dv + du) / (2 * du)), for i = 0 .. du - 1.
    const int64_t du = xMajor ? adx : ady;
    const int64_t dv = xMajor ? ady : adx;
    if (du == 0) return;
    const int64_t u0 = xMajor ? x0 : y0;
    const int64_t v0 = xMajor ? y0 : x0;
    const int64_t su = (xMajor ? x1 - x0 : y1 - y0) > 0 ? 1 : -1;
    const int64_t sv = (xMajor ? y1 - y0 : x1 - x0) >= 0 ? 1 : -1;
    const int64_t ulo = xMajor ? cx0 : cy0;
    const int64_t uhi = xMajor ? cx1 : cy1;
    const int64_t vlo = xMajor ? cy0 : cx0;
    const int64_t vhi = xMajor ? cy1 : cx1;

    int64_t i0 = 0;
    int64_t i1 = du;
    if (su > 0) {
        i0 = std::max(i0, ulo - u0);
        i1 = std::min(i1, uhi - u0);
    } else {
        i0 = std::max(i0, u0 - uhi + 1);
        i1 = std::min(i1, u0 - ulo + 1);
    }
    if (i0 >= i1) return;
    // m must lie in [mlo, mhi) for v to be inside.
    const int64_t mlo = sv > 0 ? vlo - v0 : v0 - vhi + 1;
    const int64_t mhi = sv > 0 ? vhi - v0 : v0 - vlo + 1;
    if (dv == 0) {
        if (mlo > 0 || mhi <= 0) return;
    } else if (mlo > 0 || mhi <= dv) {
        // m(i) >= k  <=>  i >= ceil((2 * du * k - du) / (2 * dv))
        const W twoDu = W(2) * W(du);
        const W twoDv = W(2) * W(dv);
        i0 = std::max(i0, static_cast<int64_t>(std::max(W(i0), CeilDiv<W>(twoDu * W(mlo) - W(du), twoDv))));
        i1 = std::min(i1, static_cast<int64_t>(std::min(W(i1), CeilDiv<W>(twoDu * W(mhi) - W(du), twoDv))));
        if (i0 >= i1) return;
    }

    const int64_t twoDu = 2 * du;
    int64_t m = 0;  // the unclipped start needs no division
    int64_t rem = du;
    if (i0 > 0) {
        const W t = W(2) * W(i0) * W(dv) + W(du);
        m = static_cast<int64_t>(FloorDiv<W>(t, W(twoDu)));
        rem = static_cast<int64_t>(t - W(m) * W(twoDu));
    }
    int64_t u = u0 + su * i0;
    int64_t v = v0 + sv * m;
    const int64_t twoDv = 2 * dv;
    for (int64_t i = i0; i < i1; ++i) {
        if (xMajor)
            plot(u, v);
        else
            plot(v, u);
        u += su;
        rem += twoDv;
        if (rem >= twoDu) {
            rem -= twoDu;
            v += sv;
        }
    }
}

// The pixels WalkLine visits for a line that needs no clipping (both end points
// inside the buffer), walked with the same steps: i = 0 .. du - 1 along the
// major axis, the minor offset stepping when 2 * i * dv + du reaches the next
// multiple of 2 * du. Every pixel lies in the box of the two end points.
inline void ThinLineInside(uint32_t* pixels, int32_t w, Point a, Point b, uint32_t c) {
    const int32_t dx = b.x - a.x;
    const int32_t dy = b.y - a.y;
    const int32_t adx = dx < 0 ? -dx : dx;
    const int32_t ady = dy < 0 ? -dy : dy;
    if (adx <= 1 && ady <= 1) {  // one step or none: the start pixel alone, or nothing
        if (adx + ady != 0) pixels[static_cast<std::ptrdiff_t>(a.y) * w + a.x] = c;
        return;
    }
    const bool xMajor = adx >= ady;
    const int32_t du = xMajor ? adx : ady;
    const int32_t dv = xMajor ? ady : adx;
    const std::ptrdiff_t sx = dx > 0 ? 1 : -1;
    const std::ptrdiff_t sy = dy > 0 ? w : -std::ptrdiff_t{w};
    // The minor step is taken towards b, and downward or rightward when the minor
    // difference is 0 (it never steps then).
    const std::ptrdiff_t majorStep = xMajor ? sx : sy;
    const std::ptrdiff_t minorStep = xMajor ? (dy >= 0 ? w : -std::ptrdiff_t{w}) : (dx >= 0 ? 1 : -1);
    uint32_t* p = pixels + static_cast<std::ptrdiff_t>(a.y) * w + a.x;
    const int32_t twoDu = 2 * du;
    const int32_t twoDv = 2 * dv;
    int32_t rem = du;
    for (int32_t i = 0; i < du; ++i) {
        *p = c;
        p += majorStep;
        rem += twoDv;
        if (rem >= twoDu) {
            rem -= twoDu;
            p += minorStep;
        }
    }
}

// The three-pixel line of DrawLine for end points at least one pixel inside the
// buffer: the thin line's pixels widened across the major axis, and one pixel
// on the major axis beyond each end.
inline void ThickLineInside(uint32_t* pixels, int32_t w, Point a, Point b, uint32_t c) {
    const int32_t dx = b.x - a.x;
    const int32_t dy = b.y - a.y;
    const int32_t adx = dx < 0 ? -dx : dx;
    const int32_t ady = dy < 0 ? -dy : dy;
    if (adx == 0 && ady == 0) return;
    const bool xMajor = adx >= ady;
    const int32_t du = xMajor ? adx : ady;
    const int32_t dv = xMajor ? ady : adx;
    const std::ptrdiff_t sx = dx > 0 ? 1 : -1;
    const std::ptrdiff_t sy = dy > 0 ? w : -std::ptrdiff_t{w};
    const std::ptrdiff_t majorStep = xMajor ? sx : sy;
    const std::ptrdiff_t minorStep = xMajor ? (dy >= 0 ? w : -std::ptrdiff_t{w}) : (dx >= 0 ? 1 : -1);
    const std::ptrdiff_t across = xMajor ? w : 1;  // the widening, across the major axis
    uint32_t* p = pixels + static_cast<std::ptrdiff_t>(a.y) * w + a.x;
    p[-majorStep] = c;  // the cap before the first pixel
    const int32_t twoDu = 2 * du;
    const int32_t twoDv = 2 * dv;
    int32_t rem = du;
    uint32_t* last = p;
    for (int32_t i = 0; i < du; ++i) {
        p[-across] = c;
        p[0] = c;
        p[across] = c;
        last = p;
        p += majorStep;
        rem += twoDv;
        if (rem >= twoDu) {
            rem -= twoDu;
            p += minorStep;
        }
    }
    // The cap beyond the last pixel: one major step on from it, at its minor offset.
    last[majorStep] = c;
}

}  // namespace

bool FillCoversPixel(const Point* points, const int32_t* counts, int32_t polygonCount, int32_t x, int32_t y) {
    // A row is filled between the 1st and 2nd crossing, the 3rd and 4th, ...: a
    // pixel is covered when an odd number of crossings lie at or left of it.
    bool covered = false;
    ForEachDownwardEdge(points, counts, polygonCount, [&covered, x, y](Point a, Point b, int) {
        if (y < a.y || y >= b.y) return;
        const bool huge = !IsSmall(a.x) || !IsSmall(a.y) || !IsSmall(b.x) || !IsSmall(b.y);
        RasterEdge e;
        SetUpEdge(e, a.x, a.y, b.x, b.y, y, huge);
        if (e.x <= x) covered = !covered;
    });
    return covered;
}

bool ResizeBackBuffer(BackBuffer& buffer, int32_t w, int32_t h) {
    w = std::clamp(w, kMinViewSide, kMaxViewSide);
    h = std::clamp(h, kMinViewSide, kMaxViewSide);
    // Every frame covers the whole buffer, so a buffer of the size asked for is
    // kept as it is: a window resize sets the view twice, and at the largest
    // view clearing it again is a quarter of a gigabyte written for nothing.
    if (buffer.width == w && buffer.height == h &&
        buffer.pixels.size() == static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {
        return true;
    }
    try {
        buffer.pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0u);
    } catch (const std::bad_alloc&) {
        buffer = BackBuffer{};
        return false;
    } catch (const std::length_error&) {
        buffer = BackBuffer{};
        return false;
    }
    buffer.width = w;
    buffer.height = h;
    return true;
}

bool RasterSurface::Usable(int32_t& w, int32_t& h) const {
    w = buffer_->width;
    h = buffer_->height;
    return w > 0 && h > 0 &&
           buffer_->pixels.size() >= static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
}

int32_t RasterSurface::Width() const {
    int32_t w, h;
    return Usable(w, h) ? w : 0;
}

int32_t RasterSurface::Height() const {
    int32_t w, h;
    return Usable(w, h) ? h : 0;
}

void RasterSurface::SetPixel(int32_t x, int32_t y, Colour colour) {
    int32_t w, h;
    if (!Usable(w, h) || x < 0 || y < 0 || x >= w || y >= h) return;
    buffer_->pixels[static_cast<std::size_t>(y) * w + x] = colour;
}

void RasterSurface::FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Colour colour) {
    int32_t w, h;
    if (!Usable(w, h)) return;
    x0 = std::clamp(x0, int32_t{0}, w);
    x1 = std::clamp(x1, int32_t{0}, w);
    y0 = std::clamp(y0, int32_t{0}, h);
    y1 = std::clamp(y1, int32_t{0}, h);
    if (x0 >= x1 || y0 >= y1) return;
    uint32_t* base = buffer_->pixels.data();
    if (x0 == 0 && x1 == w) {  // whole rows are one run
        FillSpan(base + static_cast<std::size_t>(y0) * w, static_cast<std::size_t>(y1 - y0) * w, colour);
        return;
    }
    for (int32_t y = y0; y < y1; ++y)
        FillSpan(base + static_cast<std::size_t>(y) * w + x0, static_cast<std::size_t>(x1 - x0), colour);
}

void RasterSurface::DrawLine(Point a, Point b, int32_t width, Colour colour) {
    int32_t w, h;
    if (Usable(w, h)) DrawLineIn(a, b, width, colour, w, h);
}

void RasterSurface::DrawOutlines(const Point* points, int32_t size, int32_t polygonCount, int32_t width,
                                 Colour colour) {
    int32_t w, h;
    if (points == nullptr || size <= 0 || polygonCount <= 0 || !Usable(w, h)) return;
    const int32_t total = size * polygonCount;
    // A thick line reaches one pixel beyond its end points; a thin one stays
    // between them. With every point that far inside, no pixel needs clipping.
    const int32_t margin = width <= 1 ? 0 : 1;
    bool inside = true;
    for (int32_t i = 0; i < total && inside; ++i) {
        inside = points[i].x >= margin && points[i].y >= margin && points[i].x < w - margin &&
                 points[i].y < h - margin;
    }
    if (!inside) {
        for (int32_t k = 0; k < polygonCount; ++k) {
            const Point* poly = points + static_cast<std::ptrdiff_t>(k) * size;
            for (int32_t j = 0; j + 1 < size; ++j) DrawLineIn(poly[j], poly[j + 1], width, colour, w, h);
            DrawLineIn(poly[size - 1], poly[0], width, colour, w, h);
        }
        return;
    }
    uint32_t* const pixels = buffer_->pixels.data();
    const bool thick = width > 1;
    for (int32_t k = 0; k < polygonCount; ++k) {
        const Point* poly = points + static_cast<std::ptrdiff_t>(k) * size;
        for (int32_t j = 0; j < size; ++j) {
            const Point a = poly[j];
            const Point b = poly[j + 1 == size ? 0 : j + 1];
            if (thick)
                ThickLineInside(pixels, w, a, b, colour);
            else
                ThinLineInside(pixels, w, a, b, colour);
        }
    }
}

void RasterSurface::DrawLineIn(Point a, Point b, int32_t width, uint32_t colour, int32_t w, int32_t h) {
    uint32_t* pixels = buffer_->pixels.data();
    const uint32_t c = colour;
    const bool huge = !IsSmall(a.x) || !IsSmall(a.y) || !IsSmall(b.x) || !IsSmall(b.y);

    if (width <= 1) {
        auto plot = [pixels, w, c](int64_t x, int64_t y) { pixels[y * w + x] = c; };
        if (huge)
            WalkLine<Int128>(a.x, a.y, b.x, b.y, 0, 0, w, h, plot);
        else
            WalkLine<int64_t>(a.x, a.y, b.x, b.y, 0, 0, w, h, plot);
        return;
    }

    // Three pixels wide: a dot of the pixel and its four neighbours on every pixel of
    // the thin line. Along the line the dots merge into a run of three across the
    // major axis; each end adds one pixel on the major axis beyond the first and
    // the last pixel.
    const int64_t dx = int64_t{b.x} - a.x;
    const int64_t dy = int64_t{b.y} - a.y;
    const int64_t adx = std::llabs(dx);
    const int64_t ady = std::llabs(dy);
    const bool xMajor = adx >= ady;
    if (adx == 0 && ady == 0) return;
    auto put = [pixels, w, h, c](int64_t x, int64_t y) {
        if (x >= 0 && y >= 0 && x < w && y < h) pixels[y * w + x] = c;
    };
    auto plot = [&put, xMajor](int64_t x, int64_t y) {
        if (xMajor) {
            put(x, y - 1);
            put(x, y);
            put(x, y + 1);
        } else {
            put(x - 1, y);
            put(x, y);
            put(x + 1, y);
        }
    };
    if (huge)
        WalkLine<Int128>(a.x, a.y, b.x, b.y, -1, -1, int64_t{w} + 1, int64_t{h} + 1, plot);
    else
        WalkLine<int64_t>(a.x, a.y, b.x, b.y, -1, -1, int64_t{w} + 1, int64_t{h} + 1, plot);

    // The end caps. The last pixel drawn is i = du - 1, whose minor offset is
    // floor((2 * (du - 1) * dv + du) / (2 * du)); it never exceeds dv.
    const int64_t du = xMajor ? adx : ady;
    const int64_t dv = xMajor ? ady : adx;
    const int64_t mLast = huge ? static_cast<int64_t>((Int128(2) * (du - 1) * dv + du) / (2 * du))
                               : (2 * (du - 1) * dv + du) / (2 * du);
    const int64_t su = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int64_t sv = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    if (xMajor) {
        put(int64_t{a.x} - su, a.y);
        put(int64_t{a.x} + su * du, int64_t{a.y} + sv * mLast);
    } else {
        put(a.x, int64_t{a.y} - su);
        put(int64_t{a.x} + sv * mLast, int64_t{a.y} + su * du);
    }
}

void RasterSurface::FillPolygons(const Point* points, const int32_t* counts, int32_t polygonCount,
                                 Colour colour) {
    int32_t w, h;
    if (points == nullptr || counts == nullptr || polygonCount <= 0 || !Usable(w, h)) return;
    int64_t total = 0;
    int32_t used = 0;  // polygons with corners
    for (int32_t i = 0; i < polygonCount; ++i) {
        if (counts[i] > 0) {
            total += counts[i];
            ++used;
        }
    }
    if (total < 3) return;  // no area

    int32_t minX = points[0].x, maxX = points[0].x, minY = points[0].y, maxY = points[0].y;
    for (int64_t i = 1; i < total; ++i) {
        minX = std::min(minX, points[i].x);
        maxX = std::max(maxX, points[i].x);
        minY = std::min(minY, points[i].y);
        maxY = std::max(maxY, points[i].y);
    }
    // A pixel centre is at least 0.5 inside the buffer, so a shape wholly at or
    // beyond a border covers nothing.
    if (maxX <= 0 || maxY <= 0 || minX >= w || minY >= h) return;
    const bool huge = !IsSmall(minX) || !IsSmall(maxX) || !IsSmall(minY) || !IsSmall(maxY);

    // Triangles, convex quadrilaterals and other single y-monotone outlines fill
    // from two chains; anything else through the sorted edge list.
    uint32_t* const base = buffer_->pixels.data();
    auto span = [base, w, colour](int32_t y, int64_t xl, int64_t xr) {
        FillRow(base + static_cast<std::size_t>(y) * w, xl, xr, w, colour);
    };
    if (used == 1 && total == counts[0] && (total == 3 || IsMonotone(points, static_cast<int32_t>(total))))
        FillMonotone(points, static_cast<int32_t>(total), h, huge, span);
    else
        FillGeneral<false>(points, counts, polygonCount, h, huge, span);
}

// Calls span(y, xl, xr) for the pixels xl <= x < xr of each row y that the outline
// covers (xl may exceed xr by nothing: rows are given left to right).
template <class Span>
void RasterSurface::FillMonotone(const Point* p, int32_t n, int32_t h, bool huge, Span span) {
    int32_t top = 0;
    int32_t bottomY = p[0].y;
    for (int32_t i = 1; i < n; ++i) {
        if (p[i].y < p[top].y) top = i;
        bottomY = std::max(bottomY, p[i].y);
    }
    const int32_t y0 = std::max(p[top].y, int32_t{0});
    const int32_t y1 = std::min(bottomY, h);
    if (y0 >= y1) return;

    // Two chains run down from the top corner, one each way round. Each holds the
    // edge that crosses the current row.
    struct Chain {
        int32_t at;      // corner the current edge ends at
        int32_t dir;     // +1 or n - 1
        int32_t endY;    // first row past the current edge
        int32_t stepsLeft;
        RasterEdge edge;
    };
    // Moves c on to the edge that crosses row y; false if the outline runs out.
    auto advance = [p, n, huge](Chain& c, int32_t y) {
        while (c.endY <= y) {
            if (c.stepsLeft-- == 0) return false;
            const int32_t from = c.at;
            c.at += c.dir;
            if (c.at >= n) c.at -= n;
            const Point a = p[from];
            const Point b = p[c.at];
            c.endY = b.y;
            if (b.y > y) SetUpEdge(c.edge, a.x, a.y, b.x, b.y, y, huge);
        }
        return true;
    };
    Chain left{top, 1, p[top].y, n, {}};
    Chain right{top, n - 1, p[top].y, n, {}};
    for (int32_t y = y0; y < y1;) {
        if (!advance(left, y) || !advance(right, y)) return;
        // Rows up to the next corner of either chain, with the edge state in locals
        // so that it stays in registers.
        const int32_t stop = std::min({left.endY, right.endY, y1});
        RasterEdge a = left.edge;
        RasterEdge b = right.edge;
        for (; y < stop; ++y) {
            if (a.x < b.x)
                span(y, a.x, b.x);
            else
                span(y, b.x, a.x);
            StepEdge(a);
            StepEdge(b);
        }
        left.edge = a;
        right.edge = b;
    }
}

// The same for any outlines: even-odd, or nonzero with kNonzero.
template <bool kNonzero, class Span>
void RasterSurface::FillGeneral(const Point* points, const int32_t* counts, int32_t polygonCount, int32_t h,
                                bool huge, Span span) {
    edges_.clear();
    ForEachDownwardEdge(points, counts, polygonCount, [this, h, huge](Point a, Point b, int winding) {
        const int32_t ys = std::max(a.y, int32_t{0});
        const int32_t ye = std::min(b.y, h);
        if (ys >= ye) return;
        RasterEdge& e = edges_.emplace_back();
        SetUpEdge(e, a.x, a.y, b.x, b.y, ys, huge);
        e.yStart = ys;
        e.yEnd = ye;
        e.winding = winding;
    });
    if (edges_.empty()) return;
    std::sort(edges_.begin(), edges_.end(),
              [](const RasterEdge& a, const RasterEdge& b) { return a.yStart < b.yStart; });

    // Rows cross an even number of edges (every polygon is closed and edges are
    // clipped by whole rows only); even-odd fills between the 1st and 2nd crossing,
    // the 3rd and 4th, and so on; nonzero wherever the windings crossed so far do
    // not cancel.
    active_.clear();
    std::size_t next = 0;
    int32_t y = edges_[0].yStart;
    for (;;) {
        while (next < edges_.size() && edges_[next].yStart == y) active_.push_back(&edges_[next++]);
        std::erase_if(active_, [y](const RasterEdge* e) { return e->yEnd <= y; });
        if (active_.empty()) {
            if (next == edges_.size()) break;
            y = edges_[next].yStart;
            continue;
        }
        // Insertion sort: the order barely changes from row to row.
        for (std::size_t i = 1; i < active_.size(); ++i) {
            RasterEdge* e = active_[i];
            std::size_t j = i;
            for (; j > 0 && active_[j - 1]->x > e->x; --j) active_[j] = active_[j - 1];
            active_[j] = e;
        }
        if constexpr (kNonzero) {
            int32_t winding = 0;
            int64_t start = 0;
            for (const RasterEdge* e : active_) {
                if (winding == 0) start = e->x;
                winding += e->winding;
                if (winding == 0) span(y, start, e->x);
            }
        } else {
            for (std::size_t i = 0; i + 1 < active_.size(); i += 2) span(y, active_[i]->x, active_[i + 1]->x);
        }
        for (RasterEdge* e : active_) StepEdge(*e);
        ++y;
    }
}

bool RasterSurface::HasDepth(int32_t w, int32_t h) const {
    return depthWidth_ == w && depthHeight_ == h && !depth_.empty();
}

bool RasterSurface::ClearDepth() {
    int32_t w, h;
    if (!Usable(w, h)) return false;
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    constexpr float kFar = -std::numeric_limits<float>::infinity();
    if (!HasDepth(w, h)) {
        try {
            depth_.assign(n, kFar);
            ids_.assign(n, 0u);
        } catch (const std::bad_alloc&) {
            std::vector<float>().swap(depth_);
            std::vector<uint32_t>().swap(ids_);
            depthWidth_ = depthHeight_ = 0;
            return false;
        }
        depthWidth_ = w;
        depthHeight_ = h;
        dirtyTop_ = dirtyBottom_ = dirtyLeft_ = dirtyRight_ = 0;
        return true;
    }
    // Only the box drawn since the last clear holds anything.
    if (dirtyTop_ < dirtyBottom_ && dirtyLeft_ < dirtyRight_) {
        const std::size_t width = static_cast<std::size_t>(dirtyRight_ - dirtyLeft_);
        for (int32_t y = dirtyTop_; y < dirtyBottom_; ++y) {
            const std::size_t from = static_cast<std::size_t>(y) * w + static_cast<std::size_t>(dirtyLeft_);
            std::fill_n(depth_.data() + from, width, kFar);
            std::fill_n(ids_.data() + from, width, 0u);
        }
    }
    dirtyTop_ = dirtyBottom_ = dirtyLeft_ = dirtyRight_ = 0;
    return true;
}

namespace {

// Whether a fill with key k and face id `id` takes a pixel holding key d and id
// `held`: a nearer key always does, and of two faces at the same key the one with
// the smaller id keeps the pixel, so that the picture does not depend on the order
// in which the faces are drawn.
inline bool Takes(float k, uint32_t id, float d, uint32_t held) { return k > d || (k == d && id < held); }

// The key of the i-th pixel of a row, held within [lowest, highest] (NaN stays NaN).
inline float RowKey(float k0, float step, int64_t i, float lowest, float highest) {
    return std::min(std::max(k0 + step * static_cast<float>(i), lowest), highest);
}

template <bool kPaint>
void DepthRowPlain(float* depth, uint32_t* ids, uint32_t* pixels, int64_t from, int64_t n, float k0, float step,
                   float lowest, float highest, uint32_t id, uint32_t colour) {
    for (int64_t i = from; i < n; ++i) {
        const float k = RowKey(k0, step, i, lowest, highest);
        if (!Takes(k, id, depth[i], ids[i])) continue;
        depth[i] = k;
        ids[i] = id;
        if constexpr (kPaint) pixels[i] = colour;
    }
}

#if defined(GYRO_HAVE_AVX_SPANS)
const bool kHaveAvx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
}();

// Eight pixels at a time, with the arithmetic and the rule of DepthRowPlain
// (multiply, then add, each rounded; min and max in the operand order that keeps
// NaN), so that both give the same pixels.
struct DepthLanes {
    float* depth;
    uint32_t* ids;
    uint32_t* pixels;
    __m256 k0, step, low, high;
    __m256i id, colour;
};

// The pixels i .. i + 7 of the row (lane numbers exact as floats below 2^24); of
// them only the `live` lanes unless `whole`, through masked loads and stores.
template <bool kPaint, bool kWhole>
__attribute__((target("avx2"), always_inline)) inline void DepthGroup(const DepthLanes& r, int64_t i, __m256i live) {
    const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    const __m256 vi = _mm256_cvtepi32_ps(_mm256_add_epi32(_mm256_set1_epi32(static_cast<int>(i)), lanes));
    __m256 k = _mm256_add_ps(r.k0, _mm256_mul_ps(r.step, vi));
    k = _mm256_min_ps(r.high, _mm256_max_ps(r.low, k));
    const __m256 d = kWhole ? _mm256_loadu_ps(r.depth + i) : _mm256_maskload_ps(r.depth + i, live);
    const __m256i held = kWhole ? _mm256_loadu_si256(reinterpret_cast<const __m256i*>(r.ids + i))
                                : _mm256_maskload_epi32(reinterpret_cast<const int*>(r.ids + i), live);
    const __m256i idLess =
        _mm256_xor_si256(_mm256_cmpeq_epi32(_mm256_max_epu32(r.id, held), r.id), _mm256_set1_epi32(-1));
    __m256 takes = _mm256_or_ps(_mm256_cmp_ps(k, d, _CMP_GT_OQ),
                                _mm256_and_ps(_mm256_cmp_ps(k, d, _CMP_EQ_OQ), _mm256_castsi256_ps(idLess)));
    if (!kWhole) takes = _mm256_and_ps(takes, _mm256_castsi256_ps(live));
    if (_mm256_movemask_ps(takes) == 0) return;
    const __m256i mask = _mm256_castps_si256(takes);
    if (kWhole) {
        _mm256_storeu_ps(r.depth + i, _mm256_blendv_ps(d, k, takes));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(r.ids + i), _mm256_blendv_epi8(held, r.id, mask));
        if constexpr (kPaint) {
            __m256i* p = reinterpret_cast<__m256i*>(r.pixels + i);
            _mm256_storeu_si256(p, _mm256_blendv_epi8(_mm256_loadu_si256(p), r.colour, mask));
        }
    } else {
        _mm256_maskstore_ps(r.depth + i, mask, k);
        _mm256_maskstore_epi32(reinterpret_cast<int*>(r.ids + i), mask, r.id);
        if constexpr (kPaint) _mm256_maskstore_epi32(reinterpret_cast<int*>(r.pixels + i), mask, r.colour);
    }
}

// The whole row: a short one through masked loads and stores, the end of a longer
// one by going over its last eight pixels again (a pixel that a key has taken does
// not take the same key again).
template <bool kPaint>
__attribute__((target("avx2"))) void DepthRowAvx2(float* depth, uint32_t* ids, uint32_t* pixels, int64_t n, float k0,
                                                  float step, float lowest, float highest, uint32_t id,
                                                  uint32_t colour) {
    const DepthLanes r{depth,
                       ids,
                       pixels,
                       _mm256_set1_ps(k0),
                       _mm256_set1_ps(step),
                       _mm256_set1_ps(lowest),
                       _mm256_set1_ps(highest),
                       _mm256_set1_epi32(static_cast<int>(id)),
                       _mm256_set1_epi32(static_cast<int>(colour))};
    const __m256i all = _mm256_set1_epi32(-1);
    if (n < 8) {
        const __m256i live =
            _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int>(n)), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
        DepthGroup<kPaint, false>(r, 0, live);
        return;
    }
    int64_t i = 0;
    for (; i + 8 <= n; i += 8) DepthGroup<kPaint, true>(r, i, all);
    if (i < n) DepthGroup<kPaint, true>(r, n - 8, all);
}
#endif

#if defined(__wasm_simd128__)
// Four pixels at a time in WebAssembly, with the arithmetic and the rule of
// DepthRowPlain (pmin and pmax are its min and max, NaN included). Returns how
// many pixels it did, a multiple of four.
template <bool kPaint>
int64_t DepthRowSimd128(float* depth, uint32_t* ids, uint32_t* pixels, int64_t n, float k0, float step,
                        float lowest, float highest, uint32_t id, uint32_t colour) {
    const v128_t vk0 = wasm_f32x4_splat(k0);
    const v128_t vstep = wasm_f32x4_splat(step);
    const v128_t vlow = wasm_f32x4_splat(lowest);
    const v128_t vhigh = wasm_f32x4_splat(highest);
    const v128_t vid = wasm_u32x4_splat(id);
    const v128_t vcolour = wasm_u32x4_splat(colour);
    const v128_t four = wasm_f32x4_splat(4.0f);
    v128_t vi = wasm_f32x4_make(0.0f, 1.0f, 2.0f, 3.0f);  // exact below 2^24
    int64_t i = 0;
    for (; i + 4 <= n; i += 4, vi = wasm_f32x4_add(vi, four)) {
        v128_t k = wasm_f32x4_add(vk0, wasm_f32x4_mul(vstep, vi));
        k = wasm_f32x4_pmin(wasm_f32x4_pmax(k, vlow), vhigh);
        const v128_t d = wasm_v128_load(depth + i);
        const v128_t held = wasm_v128_load(ids + i);
        const v128_t takes = wasm_v128_or(wasm_f32x4_gt(k, d),
                                          wasm_v128_and(wasm_f32x4_eq(k, d), wasm_u32x4_lt(vid, held)));
        if (!wasm_v128_any_true(takes)) continue;
        wasm_v128_store(depth + i, wasm_v128_bitselect(k, d, takes));
        wasm_v128_store(ids + i, wasm_v128_bitselect(vid, held, takes));
        if constexpr (kPaint)
            wasm_v128_store(pixels + i, wasm_v128_bitselect(vcolour, wasm_v128_load(pixels + i), takes));
    }
    return i;
}
#endif

// One row of a depth-tested fill: the pixels xl <= x < xr (clipped to 0..w) that
// Takes() under the key a * x + rowKey. The keys are worked out from the span's
// start so that rounding does not build up along it.
template <bool kPaint>
void DepthRow(float* depth, uint32_t* ids, uint32_t* pixels, int64_t xl, int64_t xr, int32_t w, double a,
              double rowKey, float lowest, float highest, uint32_t id, uint32_t colour) {
    if (xl < 0) xl = 0;
    if (xr > w) xr = w;
    if (xl >= xr) return;
    const float k0 = static_cast<float>(a * static_cast<double>(xl) + rowKey);
    const float step = static_cast<float>(a);
    const int64_t n = xr - xl;
    depth += xl;
    ids += xl;
    pixels += xl;
#if defined(GYRO_HAVE_AVX_SPANS)
    if (kHaveAvx2 && n < (int64_t{1} << 24)) {
        DepthRowAvx2<kPaint>(depth, ids, pixels, n, k0, step, lowest, highest, id, colour);
        return;
    }
#endif
    int64_t done = 0;
#if defined(__wasm_simd128__)
    if (n < (int64_t{1} << 24))
        done = DepthRowSimd128<kPaint>(depth, ids, pixels, n, k0, step, lowest, highest, id, colour);
#endif
    DepthRowPlain<kPaint>(depth, ids, pixels, done, n, k0, step, lowest, highest, id, colour);
}

}  // namespace

void RasterSurface::FillPolygonsDepth(const Point* points, const int32_t* counts, int32_t polygonCount,
                                      const DepthPlane& plane, uint32_t id, bool paint, Colour colour) {
    int32_t w, h;
    if (points == nullptr || counts == nullptr || polygonCount <= 0 || !Usable(w, h) || !HasDepth(w, h)) return;
    int64_t total = 0;
    int32_t used = 0;
    for (int32_t i = 0; i < polygonCount; ++i) {
        if (counts[i] > 0) {
            total += counts[i];
            ++used;
        }
    }
    if (total < 3) return;
    int32_t minX = points[0].x, maxX = points[0].x, minY = points[0].y, maxY = points[0].y;
    for (int64_t i = 1; i < total; ++i) {
        minX = std::min(minX, points[i].x);
        maxX = std::max(maxX, points[i].x);
        minY = std::min(minY, points[i].y);
        maxY = std::max(maxY, points[i].y);
    }
    if (maxX <= 0 || maxY <= 0 || minX >= w || minY >= h || minY == maxY) return;
    const bool huge = !IsSmall(minX) || !IsSmall(maxX) || !IsSmall(minY) || !IsSmall(maxY);
    MarkDirty(std::max(minX, int32_t{0}), std::max(minY, int32_t{0}), std::min(maxX, w), std::min(maxY, h));

    float* const depth = depth_.data();
    uint32_t* const ids = ids_.data();
    uint32_t* const pixels = buffer_->pixels.data();
    auto fill = [&](auto paintTag) {
        constexpr bool kPaint = decltype(paintTag)::value;
        auto span = [&](int32_t y, int64_t xl, int64_t xr) {
            const std::size_t row = static_cast<std::size_t>(y) * w;
            // Rounded as DepthPlane::KeyAt has it.
            const double rowKey = plane.b * static_cast<double>(y) + plane.c + (y < plane.splitY ? plane.top : 0.0);
            const int64_t split = std::clamp<int64_t>(plane.splitX, xl, std::max(xl, xr));
            if (xl < split)
                DepthRow<kPaint>(depth + row, ids + row, pixels + row, xl, split, w, plane.a, rowKey + plane.left,
                                 plane.lowest, plane.highest, id, colour);
            if (split < xr)
                DepthRow<kPaint>(depth + row, ids + row, pixels + row, split, xr, w, plane.a, rowKey, plane.lowest,
                                 plane.highest, id, colour);
        };
        // One simple outline that every row crosses at most twice fills the same
        // under either rule.
        if (used == 1 && total == counts[0] && (total == 3 || IsMonotone(points, static_cast<int32_t>(total))))
            FillMonotone(points, static_cast<int32_t>(total), h, huge, span);
        else
            FillGeneral<true>(points, counts, polygonCount, h, huge, span);
    };
    if (paint)
        fill(std::true_type{});
    else
        fill(std::false_type{});
}

void RasterSurface::SetPixelDepth(int32_t x, int32_t y, float key, uint32_t id, Colour colour) {
    int32_t w, h;
    if (!Usable(w, h) || !HasDepth(w, h) || x < 0 || y < 0 || x >= w || y >= h) return;
    const std::size_t at = static_cast<std::size_t>(y) * w + x;
    if (!Takes(key, id, depth_[at], ids_[at])) return;
    depth_[at] = key;
    ids_[at] = id;
    buffer_->pixels[at] = colour;
    MarkDirty(x, y, x + 1, y + 1);
}

bool RasterSurface::PixelCouldTake(int32_t x, int32_t y, float key, uint32_t id) const {
    int32_t w, h;
    if (!Usable(w, h) || !HasDepth(w, h) || x < 0 || y < 0 || x >= w || y >= h) return false;
    const std::size_t at = static_cast<std::size_t>(y) * w + x;
    // A key that Takes() refuses refuses every smaller one too; NaN takes nothing.
    return !(key <= depth_[at]) || Takes(key, id, depth_[at], ids_[at]);
}

void RasterSurface::MarkDirty(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    if (dirtyTop_ >= dirtyBottom_) {
        dirtyLeft_ = x0;
        dirtyTop_ = y0;
        dirtyRight_ = x1;
        dirtyBottom_ = y1;
        return;
    }
    dirtyLeft_ = std::min(dirtyLeft_, x0);
    dirtyTop_ = std::min(dirtyTop_, y0);
    dirtyRight_ = std::max(dirtyRight_, x1);
    dirtyBottom_ = std::max(dirtyBottom_, y1);
}

// Walks the thin line of DrawLineDepth (within the surface, or one pixel beyond
// it when `wide`) and tells `mark(x, y, front, kind)` each of its pixels and, when
// `wide`, the pixels just beyond its ends: kind 0 a thin-line pixel of an x-major
// line, 1 of a y-major one, 2 an end cap (taking the front of the end pixel).
template <class Mark>
void RasterSurface::WalkLineDepth(const DepthLine& line, bool wide, int32_t w, int32_t h, Mark mark) const {
    const Point a = line.a, b = line.b;
    const int64_t dx = int64_t{b.x} - a.x;
    const int64_t dy = int64_t{b.y} - a.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t du = xMajor ? dx : dy;
    if (du == 0) return;
    const double ka = line.ka;
    const double keyStep = (static_cast<double>(line.kb) - ka) / static_cast<double>(du);
    const float* const depth = depth_.data();
    const uint32_t* const ids = ids_.data();
    // Whether the thin line's pixel (x, y) is in front of what the surface holds.
    auto inFront = [&](int64_t x, int64_t y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return true;
        const std::size_t at = static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x);
        const uint32_t id = ids[at];
        if (id == 0 || id == line.idA || id == line.idB) return true;
        const float key = static_cast<float>(ka + keyStep * static_cast<double>(xMajor ? x - a.x : y - a.y));
        return depth[at] <= key + line.slack;
    };
    const int kind = xMajor ? 0 : 1;
    auto plot = [&](int64_t x, int64_t y) { mark(x, y, inFront(x, y), kind); };
    const bool huge = !IsSmall(a.x) || !IsSmall(a.y) || !IsSmall(b.x) || !IsSmall(b.y);
    const int64_t m = wide ? 1 : 0;
    if (huge)
        WalkLine<Int128>(a.x, a.y, b.x, b.y, -m, -m, int64_t{w} + m, int64_t{h} + m, plot);
    else
        WalkLine<int64_t>(a.x, a.y, b.x, b.y, -m, -m, int64_t{w} + m, int64_t{h} + m, plot);
    if (!wide) return;
    const int64_t adu = std::llabs(du);
    const int64_t dv = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int64_t mLast = huge ? static_cast<int64_t>((Int128(2) * (adu - 1) * dv + adu) / (2 * adu))
                               : (2 * (adu - 1) * dv + adu) / (2 * adu);
    const int64_t su = du > 0 ? 1 : -1;
    const int64_t sv = (xMajor ? dy : dx) >= 0 ? 1 : -1;
    const int64_t lastX = xMajor ? int64_t{a.x} + su * (adu - 1) : int64_t{a.x} + sv * mLast;
    const int64_t lastY = xMajor ? int64_t{a.y} + sv * mLast : int64_t{a.y} + su * (adu - 1);
    const bool firstFront = inFront(a.x, a.y);
    if (xMajor)
        mark(int64_t{a.x} - su, int64_t{a.y}, firstFront, 2);
    else
        mark(int64_t{a.x}, int64_t{a.y} - su, firstFront, 2);
    const bool lastFront = inFront(lastX, lastY);
    if (xMajor)
        mark(lastX + su, lastY, lastFront, 2);
    else
        mark(lastX, lastY + su, lastFront, 2);
}

// What a pen of `width` puts for one mark of WalkLineDepth: a thin-line pixel (three
// across the line when wide), or an end cap (wide pens only).
void RasterSurface::PutLineMark(int64_t x, int64_t y, int kind, int32_t width, uint32_t colour, int32_t w,
                                int32_t h) {
    uint32_t* const pixels = buffer_->pixels.data();
    auto put = [pixels, w, h, colour](int64_t px, int64_t py) {
        if (px >= 0 && py >= 0 && px < w && py < h) pixels[py * w + px] = colour;
    };
    if (kind == 2) {
        if (width > 1) put(x, y);
        return;
    }
    put(x, y);
    if (width <= 1) return;
    if (kind == 0) {
        put(x, y - 1);
        put(x, y + 1);
    } else {
        put(x - 1, y);
        put(x + 1, y);
    }
}

void RasterSurface::DrawLineDepth(Point a, Point b, float ka, float kb, uint32_t idA, uint32_t idB, float slack,
                                  bool front, int32_t width, Colour colour) {
    int32_t w, h;
    if (!Usable(w, h) || !HasDepth(w, h)) return;
    const DepthLine line{a, b, ka, kb, idA, idB, slack};
    WalkLineDepth(line, width > 1, w, h, [&](int64_t x, int64_t y, bool inFront, int kind) {
        if (inFront == front) PutLineMark(x, y, kind, width, colour, w, h);
    });
}

void RasterSurface::DrawLinesDepth(const DepthLine* lines, std::size_t count, bool firstFront, const Pen& first,
                                   const Pen& second) {
    int32_t w, h;
    if (lines == nullptr || count == 0 || !Usable(w, h) || !HasDepth(w, h)) return;
    if (first.none && second.none) return;
    const bool wide = (!first.none && first.width > 1) || (!second.none && second.width > 1);
    // One walk of each line: the first side's pixels take their pen at once, the
    // other side's wait until every line has put the first side's.
    shown_.clear();
    for (std::size_t i = 0; i < count; ++i) {
        WalkLineDepth(lines[i], wide, w, h, [&](int64_t x, int64_t y, bool front, int kind) {
            if (front == firstFront) {
                if (!first.none) PutLineMark(x, y, kind, first.width, first.colour, w, h);
            } else if (!second.none && (kind != 2 || second.width > 1)) {
                shown_.push_back(LineMark{static_cast<int32_t>(x), static_cast<int32_t>(y), kind});
            }
        });
    }
    for (const LineMark& m : shown_) PutLineMark(m.x, m.y, m.kind, second.width, second.colour, w, h);
}

}  // namespace gyro
