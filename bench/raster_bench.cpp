// Yardstick: our rasterizer against a non-antialiased QPainter on a QImage, on the
// shapes the viewer draws most — many tiny triangles of a fine mesh, and a few large ones.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <cmath>
#include <numbers>
#include <cstdint>
#include <random>
#include <vector>

#include "render/raster_surface.h"

namespace {

struct Triangle {
    gyro::Point p[3];
    uint32_t colour;
};

// `count` triangles with sides of about `side` pixels, scattered over w x h.
std::vector<Triangle> MakeTriangles(int count, double side, int w, int h) {
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<Triangle> out(count);
    const double radius = side / std::sqrt(3.0);
    for (Triangle& t : out) {
        const double cx = unit(rng) * w, cy = unit(rng) * h;
        const double turn = unit(rng) * 2 * std::numbers::pi;
        const double r = radius * (0.75 + 0.5 * unit(rng));
        for (int k = 0; k < 3; ++k) {
            const double a = turn + k * 2 * std::numbers::pi / 3 + (unit(rng) - 0.5) * 0.4;
            t.p[k] = {static_cast<int32_t>(cx + r * std::cos(a)), static_cast<int32_t>(cy + r * std::sin(a))};
        }
        t.colour = static_cast<uint32_t>(rng()) & 0x00FFFFFF;
    }
    return out;
}

constexpr uint32_t kOutline = 0x00FFFFFF;

void BM_Raster(benchmark::State& state, int count, double side, int size, bool outlines) {
    const std::vector<Triangle> tris = MakeTriangles(count, side, size, size);
    gyro::BackBuffer buffer;
    gyro::ResizeBackBuffer(buffer, size, size);
    gyro::RasterSurface surface(buffer);
    const int32_t three = 3;
    for (auto _ : state) {
        surface.FillRect(0, 0, size, size, 0);
        for (const Triangle& t : tris) {
            surface.FillPolygons(t.p, &three, 1, t.colour);
            if (outlines) {
                surface.DrawLine(t.p[0], t.p[1], 1, kOutline);
                surface.DrawLine(t.p[1], t.p[2], 1, kOutline);
                surface.DrawLine(t.p[2], t.p[0], 1, kOutline);
            }
        }
        benchmark::DoNotOptimize(buffer.pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_QPainter(benchmark::State& state, int count, double side, int size, bool outlines) {
    const std::vector<Triangle> tris = MakeTriangles(count, side, size, size);
    QImage image(size, size, QImage::Format_RGB32);
    QPen pen(QColor(255, 255, 255), 0);
    pen.setCapStyle(Qt::FlatCap);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(0, 0, size, size, Qt::black);
        painter.setPen(outlines ? pen : QPen(Qt::NoPen));
        for (const Triangle& t : tris) {
            const QPoint q[3] = {{t.p[0].x, t.p[0].y}, {t.p[1].x, t.p[1].y}, {t.p[2].x, t.p[2].y}};
            painter.setBrush(QColor(t.colour & 0xFF, (t.colour >> 8) & 0xFF, (t.colour >> 16) & 0xFF));
            painter.drawPolygon(q, 3, Qt::OddEvenFill);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_ClearOnly(benchmark::State& state, int size) {
    gyro::BackBuffer buffer;
    gyro::ResizeBackBuffer(buffer, size, size);
    gyro::RasterSurface surface(buffer);
    for (auto _ : state) {
        surface.FillRect(0, 0, size, size, 0x00FFFF00);
        benchmark::DoNotOptimize(buffer.pixels.data());
        benchmark::ClobberMemory();
    }
}

#define GYRO_PAIR(name, count, side, size, outlines)                                                     \
    BENCHMARK_CAPTURE(BM_Raster, name, count, side, size, outlines)->Unit(benchmark::kMillisecond);    \
    BENCHMARK_CAPTURE(BM_QPainter, name, count, side, size, outlines)->Unit(benchmark::kMillisecond)

GYRO_PAIR(tiny280k_fill_800, 280000, 3.0, 800, false);
GYRO_PAIR(tiny280k_outlined_800, 280000, 3.0, 800, true);
GYRO_PAIR(large4k_fill_800, 4000, 200.0, 800, false);
GYRO_PAIR(large4k_outlined_800, 4000, 200.0, 800, true);
GYRO_PAIR(tiny280k_fill_512, 280000, 3.0, 512, false);
GYRO_PAIR(tiny280k_outlined_512, 280000, 3.0, 512, true);
GYRO_PAIR(large4k_fill_512, 4000, 200.0, 512, false);
BENCHMARK_CAPTURE(BM_ClearOnly, clear_800, 800)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
