#include "io/net_file.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "io/atomic_write.h"
#include "io/cairo_bytes.h"

namespace gyro {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr Colour kInk = 0x00000000;
constexpr Colour kTabColour = 0x00E0E0E0;
constexpr Colour kWhite = 0x00FFFFFF;

void SetColour(cairo_t* cr, Colour c) {
    cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

void Polygon(cairo_t* cr, const std::vector<Vec2>& points) {
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0) cairo_move_to(cr, points[i].x, points[i].y);
        else cairo_line_to(cr, points[i].x, points[i].y);
    }
    cairo_close_path(cr);
}

void Text(cairo_t* cr, const std::string& text, double x, double y, double size, bool centred) {
    cairo_set_font_size(cr, size);
    if (centred) {
        cairo_text_extents_t ext;
        cairo_text_extents(cr, text.c_str(), &ext);
        x -= ext.x_bearing + ext.width / 2;
        y -= ext.y_bearing + ext.height / 2;
    }
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
}

void Stroke(cairo_t* cr, NetLine line) {
    static const double kMountain[] = {3.0, 1.0, 0.6, 1.0};
    static const double kValley[] = {1.5, 1.2};
    if (line == NetLine::Cut) {
        cairo_set_dash(cr, nullptr, 0, 0);
        cairo_set_line_width(cr, 0.3);
    } else if (line == NetLine::Mountain) {
        cairo_set_dash(cr, kMountain, 4, 0);
        cairo_set_line_width(cr, 0.25);
    } else {
        cairo_set_dash(cr, kValley, 2, 0);
        cairo_set_line_width(cr, 0.25);
    }
    SetColour(cr, kInk);
    cairo_stroke(cr);
}

Vec2 At(const NetFace& f, int32_t point) {
    const auto it = std::lower_bound(f.points.begin(), f.points.end(), point);
    return f.at[static_cast<size_t>(it - f.points.begin())];
}

void DrawPage(cairo_t* cr, const Net& net, const NetDrawing& d, int32_t page) {
    cairo_scale(cr, kPointsPerMm, kPointsPerMm);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_select_font_face(cr, "IPAGothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    const auto onPage = [&](int32_t face) {
        return net.pieces[static_cast<size_t>(net.faces[static_cast<size_t>(face)].piece)].page == page;
    };
    // Tabs under everything.
    for (const NetTab& tab : net.tabs) {
        if (!onPage(tab.face)) continue;
        Polygon(cr, tab.corners);
        SetColour(cr, d.white ? kWhite : kTabColour);
        cairo_fill_preserve(cr);
        Stroke(cr, NetLine::Cut);
    }
    // Faces: a face's triangles as one path, so no seam shows inside it.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (const NetFace& f : net.faces) {
        if (!onPage(static_cast<int32_t>(&f - net.faces.data()))) continue;
        for (const auto& t : f.triangles) {
            Polygon(cr, {f.at[static_cast<size_t>(t[0])], f.at[static_cast<size_t>(t[1])], f.at[static_cast<size_t>(t[2])]});
        }
        Colour c = kWhite;
        if (!d.white && static_cast<size_t>(f.face) < net.faceColours.size()) c = net.faceColours[static_cast<size_t>(f.face)][0];
        SetColour(cr, c);
        cairo_fill(cr);
    }
    // Lines: a fold once, a cut on both of its sides.
    for (const NetEdge& e : net.edges) {
        for (const int32_t side : {e.a, e.b}) {
            if (e.line != NetLine::Cut && side == e.b) continue;
            const NetFace& f = net.faces[static_cast<size_t>(side)];
            if (!onPage(side)) continue;
            for (const auto& seg : e.segments) {
                const Vec2 p = At(f, seg[0]), q = At(f, seg[1]);
                cairo_move_to(cr, p.x, p.y);
                cairo_line_to(cr, q.x, q.y);
            }
            Stroke(cr, e.line);
        }
    }
    cairo_set_dash(cr, nullptr, 0, 0);
    if (!d.texts) return;
    SetColour(cr, kInk);
    // The cut numbers, just inside each side.
    for (const NetEdge& e : net.edges) {
        if (e.line != NetLine::Cut) continue;
        for (const NetChain& c : e.chains) {
            for (const bool onA : {true, false}) {
                const int32_t side = onA ? e.a : e.b;
                if (!onPage(side)) continue;
                const NetFace& f = net.faces[static_cast<size_t>(side)];
                const Vec2 p = At(f, onA ? c.from : c.to), q = At(f, onA ? c.to : c.from);
                const double len = std::hypot(q.x - p.x, q.y - p.y);
                if (!(len > 0)) continue;
                // Page y runs down, so the face lies to the right of p -> q.
                const double size = std::clamp(len * 0.3, 1.2, 2.5);
                const Vec2 in{-(q.y - p.y) / len, (q.x - p.x) / len};
                const double off = size * 0.9;
                Text(cr, std::to_string(c.label), (p.x + q.x) / 2 - in.x * off, (p.y + q.y) / 2 - in.y * off, size, true);
            }
        }
    }
    for (const NetPiece& piece : net.pieces) {
        if (piece.page != page) continue;
        char number[16];
        std::snprintf(number, sizeof number, "(%d)", piece.number);
        Text(cr, number, piece.labelAt.x, piece.labelAt.y, 3.0, true);
    }
    // Title band.
    const double left = net.marginMm;
    const double top = net.marginMm;
    char line[512];
    std::snprintf(line, sizeof line, "%d  %s  %s", d.figure, d.nameJa.c_str(), d.nameEn.c_str());
    Text(cr, line, left, top + 4.5, 4.0, false);
    std::snprintf(line, sizeof line, "%d / %d", page + 1, net.pages);
    cairo_set_font_size(cr, 3.0);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, line, &ext);
    Text(cr, line, net.page.width - net.marginMm - ext.x_advance, top + 4.5, 3.0, false);
    std::snprintf(line, sizeof line, "edge %.1f mm   %zu pieces", net.edgeMm, net.pieces.size());
    Text(cr, line, left, top + 9.5, 2.8, false);
    if (page == 0) {
        const double x = left + 55;
        Text(cr, "cut: solid   mountain fold:", x, top + 9.5, 2.4, false);
        const double y = top + 8.7;
        cairo_move_to(cr, x + 33, y);
        cairo_line_to(cr, x + 45, y);
        Stroke(cr, NetLine::Mountain);
        SetColour(cr, kInk);
        Text(cr, "valley fold:", x + 48, top + 9.5, 2.4, false);
        cairo_move_to(cr, x + 62, y);
        cairo_line_to(cr, x + 74, y);
        Stroke(cr, NetLine::Valley);
        SetColour(cr, kInk);
        cairo_set_dash(cr, nullptr, 0, 0);
        Text(cr, "glue each tab under the edge with the same number", x + 77, top + 9.5, 2.4, false);
    }
}

}  // namespace

Status EncodeNetPdf(const Net& net, const NetDrawing& drawing, std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (net.pages < 1) return Status::Error("the net has no pages");
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(AppendToBytes, &bytes, net.page.width * kPointsPerMm,
                                                                   net.page.height * kPointsPerMm);
    cairo_pdf_surface_restrict_to_version(surface, CAIRO_PDF_VERSION_1_4);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Gyrosolid");
    // A fixed date: the same net gives the same bytes.
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, "2000-01-01T00:00:00Z");
    cairo_t* cr = cairo_create(surface);
    for (int32_t page = 0; page < net.pages; ++page) {
        cairo_save(cr);
        DrawPage(cr, net, drawing, page);
        cairo_restore(cr);
        cairo_show_page(cr);
    }
    return FinishCairoBytes(surface, cr, bytes);
}

Status EncodeNetSvgPage(const Net& net, const NetDrawing& drawing, int32_t page, std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (page < 0 || page >= net.pages) return Status::Error("no such page");
    cairo_surface_t* surface = cairo_svg_surface_create_for_stream(AppendToBytes, &bytes, net.page.width * kPointsPerMm,
                                                                   net.page.height * kPointsPerMm);
    cairo_svg_surface_restrict_to_version(surface, CAIRO_SVG_VERSION_1_1);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PT);
    cairo_t* cr = cairo_create(surface);
    DrawPage(cr, net, drawing, page);
    return FinishCairoBytes(surface, cr, bytes);
}

std::vector<std::string> NetFilePaths(const std::string& path, VectorFormat format, int32_t pages) {
    if (format == VectorFormat::Pdf || pages <= 1) return {path};
    const size_t dot = path.size() - 4;  // ".svg", any case
    std::vector<std::string> paths{path};
    for (int32_t p = 2; p <= pages; ++p) paths.push_back(path.substr(0, dot) + "-" + std::to_string(p) + path.substr(dot));
    return paths;
}

Status WriteNetFiles(const Net& net, const NetDrawing& drawing, VectorFormat format, const std::string& path) {
    const std::vector<std::string> paths = NetFilePaths(path, format, net.pages);
    std::vector<std::vector<uint8_t>> files(paths.size());
    for (size_t i = 0; i < files.size(); ++i) {
        const Status s = format == VectorFormat::Pdf ? EncodeNetPdf(net, drawing, files[i])
                                                     : EncodeNetSvgPage(net, drawing, static_cast<int32_t>(i), files[i]);
        if (!s.ok()) return s;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const Status s = WriteFileAtomically(paths[i], std::string_view(reinterpret_cast<const char*>(files[i].data()), files[i].size()));
        if (!s.ok()) return i == 0 ? s : Status::Error(paths[i] + ": " + s.message + " (the pages before it were written)");
    }
    return Status::Ok();
}

}  // namespace gyro
