// Net pages as real readers see them, and as bytes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "geometry/net.h"
#include "io/net_file.h"
#include "model/solid.h"
#include "state/dispatcher.h"
#include "support/picture_readers.h"
#include "support/temp_dir.h"

namespace gyro {
namespace {

struct Made {
    Solid solid;
    NetResult net;
};

Made NetOf(ShapeId figure, const NetOptions& options = {}) {
    Made m;
    InitSolid(m.solid);
    BuildFigure(m.solid, figure);
    m.net = MakeFigureNet(m.solid, 0, options);
    return m;
}

NetDrawing DrawingOf(const Made& m, bool texts) {
    NetDrawing d;
    d.texts = texts;
    d.figure = m.solid.zukei;
    d.nameJa = m.solid.nameJa;
    d.nameEn = m.solid.nameEn;
    return d;
}

// The pieces a reader drew: regions of ink the page's white, flooded in from
// its edge, does not reach. A white face inside a piece is closed in by the
// piece's cut lines, so it counts with its piece.
int CountPieces(const BackBuffer& picture) {
    const int32_t w = picture.width, h = picture.height;
    const auto white = [&](int32_t x, int32_t y) {
        const uint32_t c = picture.pixels[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
        return (c & 0xFF) >= 250 && ((c >> 8) & 0xFF) >= 250 && ((c >> 16) & 0xFF) >= 250;
    };
    std::vector<int8_t> mark(static_cast<size_t>(w) * static_cast<size_t>(h), 0);  // 1 outside, 2 a counted piece
    std::vector<std::pair<int32_t, int32_t>> stack;
    const auto flood = [&](int32_t x0, int32_t y0, int8_t value, bool outside) {
        stack.assign(1, {x0, y0});
        mark[static_cast<size_t>(y0) * static_cast<size_t>(w) + static_cast<size_t>(x0)] = value;
        while (!stack.empty()) {
            const auto [x, y] = stack.back();
            stack.pop_back();
            for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
                const int32_t nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                int8_t& m = mark[static_cast<size_t>(ny) * static_cast<size_t>(w) + static_cast<size_t>(nx)];
                if (m != 0 || white(nx, ny) != outside) continue;
                m = value;
                stack.emplace_back(nx, ny);
            }
        }
    };
    for (int32_t x = 0; x < w; ++x) {
        for (const int32_t y : {0, h - 1}) {
            if (mark[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] == 0 && white(x, y)) flood(x, y, 1, true);
        }
    }
    for (int32_t y = 0; y < h; ++y) {
        for (const int32_t x : {0, w - 1}) {
            if (mark[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] == 0 && white(x, y)) flood(x, y, 1, true);
        }
    }
    // What is left: pieces (ink, and the white the ink closes in).
    int count = 0;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            if (mark[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] != 0) continue;
            ++count;
            // Everything not outside belongs to this piece: flood over ink and inner white alike.
            stack.assign(1, {x, y});
            mark[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = 2;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int32_t nx = px + dx, ny = py + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                        int8_t& m = mark[static_cast<size_t>(ny) * static_cast<size_t>(w) + static_cast<size_t>(nx)];
                        if (m != 0) continue;
                        m = 2;
                        stack.emplace_back(nx, ny);
                    }
                }
            }
        }
    }
    return count;
}

std::map<int32_t, int> PiecesByPage(const Net& net) {
    std::map<int32_t, int> count;
    for (const NetPiece& p : net.pieces) ++count[p.page];
    return count;
}

bool RunReader(const std::string& command) { return std::system(command.c_str()) == 0; }

void Save(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(NetFile, EveryPageShowsItsPiecesToPdfAndSvgReaders) {
    test_support::TempDir dir;
    // A cube (one piece), a star in one piece, a compound on many pages.
    for (const ShapeId figure : {ShapeId{5}, ShapeId{18}, ShapeId{24}}) {
        SCOPED_TRACE(figure);
        const Made m = NetOf(figure);
        ASSERT_TRUE(m.net.ok) << m.net.message;
        const Net& net = m.net.net;
        const std::map<int32_t, int> expected = PiecesByPage(net);
        ASSERT_EQ(static_cast<int32_t>(expected.size()), net.pages) << "no page left empty";

        std::vector<uint8_t> pdf;
        ASSERT_TRUE(EncodeNetPdf(net, DrawingOf(m, false), pdf).ok());
        const auto pdfPath = dir.path() / ("net" + std::to_string(figure) + ".pdf");
        Save(pdfPath, pdf);
        for (int32_t page = 0; page < net.pages; ++page) {
            const auto stem = dir.path() / ("pdf" + std::to_string(figure) + "-" + std::to_string(page));
            ASSERT_TRUE(RunReader("pdftoppm -png -singlefile -r 100 -f " + std::to_string(page + 1) + " -l " +
                            std::to_string(page + 1) + " '" + pdfPath.string() + "' '" + stem.string() + "'"));
            const BackBuffer picture = test_support::ReadPngFile(stem.string() + ".png");
            ASSERT_TRUE(picture.exists());
            EXPECT_EQ(CountPieces(picture), expected.at(page)) << "PDF page " << page + 1;

            std::vector<uint8_t> svg;
            ASSERT_TRUE(EncodeNetSvgPage(net, DrawingOf(m, false), page, svg).ok());
            const auto svgPath = dir.path() / ("net" + std::to_string(figure) + "-" + std::to_string(page) + ".svg");
            Save(svgPath, svg);
            const auto png = dir.path() / ("svg" + std::to_string(figure) + "-" + std::to_string(page) + ".png");
            ASSERT_TRUE(RunReader("rsvg-convert -z 1.4 -b white -o '" + png.string() + "' '" + svgPath.string() + "'"));
            const BackBuffer drawn = test_support::ReadPngFile(png);
            ASSERT_TRUE(drawn.exists());
            EXPECT_EQ(CountPieces(drawn), expected.at(page)) << "SVG page " << page + 1;
        }
    }
}

TEST(NetFile, TwoNetsOfOneFigureGiveTheSamePdf) {
    // (SVG within one process numbers cairo's shapes on; the CLI test compares SVG runs.)
    const Made first = NetOf(15);
    const Made second = NetOf(15);
    ASSERT_TRUE(first.net.ok && second.net.ok);
    std::vector<uint8_t> a, b;
    ASSERT_TRUE(EncodeNetPdf(first.net.net, DrawingOf(first, true), a).ok());
    ASSERT_TRUE(EncodeNetPdf(second.net.net, DrawingOf(second, true), b).ok());
    EXPECT_FALSE(a.empty());
    EXPECT_TRUE(a == b) << "PDF bytes differ";
}

TEST(NetFile, SvgPagesAreNumberedFilesAndAFailedWriteSaysSo) {
    EXPECT_EQ(NetFilePaths("/d/net.svg", VectorFormat::Svg, 3),
              (std::vector<std::string>{"/d/net.svg", "/d/net-2.svg", "/d/net-3.svg"}));
    EXPECT_EQ(NetFilePaths("/d/net.SVG", VectorFormat::Svg, 2), (std::vector<std::string>{"/d/net.SVG", "/d/net-2.SVG"}));
    EXPECT_EQ(NetFilePaths("/d/net.pdf", VectorFormat::Pdf, 3), (std::vector<std::string>{"/d/net.pdf"}));
    const Made m = NetOf(5);
    ASSERT_TRUE(m.net.ok);
    test_support::TempDir dir;
    const Status bad = WriteNetFiles(m.net.net, DrawingOf(m, true), VectorFormat::Pdf, (dir.path() / "no/such/dir/n.pdf").string());
    EXPECT_FALSE(bad.ok());
    EXPECT_FALSE(bad.message.empty());
    const Status good = WriteNetFiles(m.net.net, DrawingOf(m, true), VectorFormat::Svg, (dir.path() / "cube.svg").string());
    EXPECT_TRUE(good.ok()) << good.message;
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "cube.svg"));
}

}  // namespace
}  // namespace gyro
