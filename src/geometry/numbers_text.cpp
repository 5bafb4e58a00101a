#include "geometry/numbers_text.h"

#include <cstdio>

#include "catalog/catalogue.h"

namespace gyro {

namespace {

std::string Replace(std::string text, const std::string& what, const std::string& with) {
    const size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}

const std::string& Reason(Omission why, const NumberWords& w) {
    switch (why) {
        case Omission::NoFaces: return w.noFaces;
        case Omission::OpenSurface: return w.openSurface;
        case Omission::EdgeInManyFaces: return w.edgeInManyFaces;
        case Omission::VertexNotOneCycle: return w.vertexNotOneCycle;
        case Omission::NotOrientable: return w.notOrientable;
        case Omission::SeveralPieces: return w.severalPieces;
        case Omission::CentreOnSurface: return w.centreOnSurface;
        case Omission::NotWhole: return w.notWhole;
        case Omission::VerticesOnALine: return w.verticesOnALine;
        case Omission::TooLarge: return w.tooLarge;
        case Omission::None: break;
    }
    return w.leftOut;
}

std::string LeftOut(Omission why, const NumberWords& w) { return w.leftOut + " (" + Reason(why, w) + ")"; }

const std::string& OuterReason(OuterRefusal why, const NumberWords& w) {
    switch (why) {
        case OuterRefusal::Empty: return w.outerEmpty;
        case OuterRefusal::OnlySegments: return w.outerOnlySegments;
        case OuterRefusal::ReachesInfinity: return w.outerReachesInfinity;
        case OuterRefusal::NoVolume: return w.outerNoVolume;
        case OuterRefusal::TooLarge: return w.outerTooLarge;
        case OuterRefusal::Failed: return w.outerFailed;
        case OuterRefusal::None:
        case OuterRefusal::Cancelled: break;
    }
    return w.working;
}

std::string KindName(const FaceKind& kind, const NumberWords& w) {
    const std::string n = std::to_string(kind.corners);
    switch (kind.shape) {
        case FaceKind::Shape::Crossed: return w.crossedQuadrilateral;
        case FaceKind::Shape::Concave:
            return kind.corners == 4 ? w.concaveQuadrilateral : Replace(w.concavePolygon, "%1", n);
        case FaceKind::Shape::SelfIntersecting: return Replace(w.selfIntersectingPolygon, "%1", n);
        case FaceKind::Shape::Degenerate: return Replace(w.degeneratePolygon, "%1", n);
        default: return FaceKindName(kind);
    }
}

std::string Times(int32_t count) { return " \u00d7" + std::to_string(count); }

std::string FigureName(ShapeId figure, const NumberWords& w) {
    std::string text = std::to_string(figure);
    if (const FigureInfo* info = FindFigure(figure)) {
        const std::string_view name = w.japaneseNames || info->nameEn.empty() ? info->nameJa : info->nameEn;
        if (!name.empty()) {
            text += ' ';
            text.append(name);
        }
    }
    return text;
}

// "2.47802 (1.23901 edges)" or "range 1.2 – 2.3".
std::string RadiusText(const Radius& r, double edge, const NumberWords& w) {
    if (r.onSphere) {
        std::string text = SixDigits(r.max);
        if (edge > 0.0) text += " (" + SixDigits(r.max / edge) + " " + w.inEdges + ")";
        return text;
    }
    std::string text = w.range + " " + SixDigits(r.min) + " \u2013 " + SixDigits(r.max);
    if (edge > 0.0) text += " (" + SixDigits(r.min / edge) + " \u2013 " + SixDigits(r.max / edge) + " " + w.inEdges + ")";
    return text;
}

}  // namespace

std::string SixDigits(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

const NumberWords& EnglishNumberWords() {
    static const NumberWords words = [] {
        NumberWords w;
        w.figure = "figure";
        w.nameJa = "name (Japanese)";
        w.nameEn = "name (English)";
        w.vertices = "vertices";
        w.edges = "edges";
        w.faces = "faces";
        w.segments = "segments";
        w.faceKinds = "faces by kind";
        w.vertexConfigurations = "vertex configurations";
        w.euler = "Euler characteristic";
        w.pieces = "pieces";
        w.orientable = "orientable";
        w.genus = "genus";
        w.density = "density";
        w.symmetry = "symmetry";
        w.chiral = "chiral";
        w.mirror = "mirror image";
        w.circumradius = "circumradius";
        w.midradius = "midradius";
        w.inradius = "inradius";
        w.edgeLengths = "edge lengths";
        w.area = "surface area";
        w.volume = "volume";
        w.volumeWithDensity = "volume (counted with density)";
        w.enclosedVolume = "enclosed volume";
        w.outerArea = "outer surface area";
        w.dihedralAngles = "dihedral angles";
        w.dual = "dual";
        w.compoundWithDual = "compound with the dual";
        w.base = "derived from";
        w.partner = "compound partner";
        w.yes = "yes";
        w.no = "no";
        w.order = "order";
        w.range = "range";
        w.inEdges = "shortest edges";
        w.unitEdge = "for unit edge";
        w.emptySlots = "empty face slots left out";
        w.notOneCycle = "vertices whose faces form no single cycle";
        w.edgesWithoutAngle = "edges not between two faces";
        w.leftOut = "left out";
        w.crossedQuadrilateral = "crossed quadrilateral";
        w.concaveQuadrilateral = "concave quadrilateral";
        w.concavePolygon = "concave %1-gon";
        w.selfIntersectingPolygon = "self-intersecting %1-gon";
        w.degeneratePolygon = "degenerate %1-gon";
        w.noFaces = "no faces";
        w.openSurface = "the surface is open";
        w.edgeInManyFaces = "an edge lies in more than two faces, so a vertex figure is not one cycle";
        w.vertexNotOneCycle = "the faces round a vertex do not form one cycle";
        w.notOrientable = "the surface is not orientable";
        w.severalPieces = "the surface falls into several pieces";
        w.centreOnSurface = "the centre lies on a face";
        w.notWhole = "the surface does not wind a whole number of times round the centre";
        w.verticesOnALine = "the vertices lie on one line";
        w.tooLarge = "too many vertices to test";
        w.working = "\u2026";
        w.outerEmpty = OuterRefusalEnglish(OuterRefusal::Empty);
        w.outerOnlySegments = OuterRefusalEnglish(OuterRefusal::OnlySegments);
        w.outerReachesInfinity = OuterRefusalEnglish(OuterRefusal::ReachesInfinity);
        w.outerNoVolume = OuterRefusalEnglish(OuterRefusal::NoVolume);
        w.outerTooLarge = OuterRefusalEnglish(OuterRefusal::TooLarge);
        w.outerFailed = OuterRefusalEnglish(OuterRefusal::Failed);
        return w;
    }();
    return words;
}

std::vector<NumberLine> NumberLines(const FigureNumbers& n, const NumberWords& w) {
    std::vector<NumberLine> lines;
    auto add = [&](const std::string& label, std::string value) { lines.push_back({label, std::move(value)}); };
    add(w.figure, std::to_string(n.figure));
    if (!n.nameJa.empty()) add(w.nameJa, n.nameJa);
    if (!n.nameEn.empty()) add(w.nameEn, n.nameEn);
    add(w.vertices, std::to_string(n.vertices));
    add(w.edges, std::to_string(n.edges));
    std::string faces = std::to_string(n.faces);
    if (n.emptyFaceSlots > 0) faces += " (" + w.emptySlots + ": " + std::to_string(n.emptyFaceSlots) + ")";
    add(w.faces, faces);
    if (n.segments > 0) add(w.segments, std::to_string(n.segments));

    std::string kinds;
    for (const CountedKind& k : n.faceKinds) kinds += (kinds.empty() ? "" : ", ") + KindName(k.kind, w) + Times(k.count);
    if (!kinds.empty()) add(w.faceKinds, kinds);

    std::string configs;
    for (const CountedText& c : n.vertexConfigurations) configs += (configs.empty() ? "" : ", ") + c.text + Times(c.count);
    if (n.verticesNotOneCycle > 0) {
        configs += (configs.empty() ? "" : "; ") + w.notOneCycle + ": " + std::to_string(n.verticesNotOneCycle) + " (" +
                   Reason(n.vertexConfigurationNote, w) + ")";
    }
    if (!configs.empty()) add(w.vertexConfigurations, configs);

    if (n.faces > 0) {
        add(w.euler, std::to_string(n.eulerCharacteristic));
        if (n.pieces > 1) add(w.pieces, std::to_string(n.pieces));
    }
    add(w.orientable, n.orientable ? (*n.orientable ? w.yes : w.no) : LeftOut(n.orientableNote, w));
    add(w.genus, n.genus ? std::to_string(*n.genus) : LeftOut(n.genusNote, w));
    add(w.density, n.density ? std::to_string(*n.density) : LeftOut(n.densityNote, w));

    if (n.symmetry) {
        add(w.symmetry, n.symmetry->name + ", " + w.order + " " + std::to_string(n.symmetry->order));
        add(w.chiral, n.chiral ? w.yes : w.no);
        if (n.related.mirror != 0) add(w.mirror, FigureName(n.related.mirror, w));
    } else {
        add(w.symmetry, LeftOut(n.symmetryNote, w));
    }

    const double e = n.shortestEdge;
    if (!n.edgeLengths.empty()) {
        add(w.circumradius, RadiusText(n.circumradius, e, w));
        add(w.midradius, RadiusText(n.midradius, e, w));
        if (n.faces > 0) add(w.inradius, RadiusText(n.inradius, e, w));
        std::string lengths;
        for (const CountedValue& v : n.edgeLengths) {
            lengths += (lengths.empty() ? "" : ", ") + SixDigits(v.value) + Times(v.count);
        }
        if (n.edgeLengths.size() > 1 && e > 0.0) {
            std::string relative;
            for (const CountedValue& v : n.edgeLengths) relative += (relative.empty() ? "" : ", ") + SixDigits(v.value / e);
            lengths += " (" + relative + " " + w.inEdges + ")";
        }
        add(w.edgeLengths, lengths);
    }
    if (n.area && n.volume) {
        std::string area = SixDigits(*n.area);
        std::string volume = SixDigits(*n.volume);
        if (e > 0.0) {
            area += " (" + w.unitEdge + ": " + SixDigits(*n.area / (e * e)) + ")";
            volume += " (" + w.unitEdge + ": " + SixDigits(*n.volume / (e * e * e)) + ")";
        }
        add(w.area, area);
        add(n.volumeCountsDensity ? w.volumeWithDensity : w.volume, volume);
    } else if (n.faces > 0) {
        add(w.area, LeftOut(n.measureNote, w));
        add(w.volume, LeftOut(n.measureNote, w));
    }
    if (n.faces > 0 && n.outer.wanted) {
        const OuterMeasures& o = n.outer;
        if (!o.computed) {
            add(w.enclosedVolume, w.working);
            add(w.outerArea, w.working);
        } else if (o.refusal != OuterRefusal::None) {
            const std::string why = w.leftOut + " (" + OuterReason(o.refusal, w) + ")";
            add(w.enclosedVolume, why);
            add(w.outerArea, why);
        } else {
            std::string volume = SixDigits(o.volume);
            std::string area = SixDigits(o.area);
            if (e > 0.0) {
                volume += " (" + w.unitEdge + ": " + SixDigits(o.volume / (e * e * e)) + ")";
                area += " (" + w.unitEdge + ": " + SixDigits(o.area / (e * e)) + ")";
            }
            add(w.enclosedVolume, volume);
            add(w.outerArea, area);
        }
    }
    if (!n.dihedralAngles.empty()) {
        std::string angles;
        for (const CountedValue& v : n.dihedralAngles) {
            angles += (angles.empty() ? "" : ", ") + SixDigits(v.value) + "\u00b0" + Times(v.count);
        }
        if (n.edgesWithoutAngle > 0) angles += "; " + w.edgesWithoutAngle + ": " + std::to_string(n.edgesWithoutAngle);
        add(w.dihedralAngles, angles);
    }
    if (n.related.dual != 0) add(w.dual, FigureName(n.related.dual, w));
    if (n.related.compoundWithDual != 0) add(w.compoundWithDual, FigureName(n.related.compoundWithDual, w));
    if (n.related.base != 0) add(w.base, FigureName(n.related.base, w));
    if (n.related.partner != 0) add(w.partner, FigureName(n.related.partner, w));
    return lines;
}

std::string NumbersText(const FigureNumbers& numbers, const NumberWords& words) {
    std::string text;
    for (const NumberLine& line : NumberLines(numbers, words)) text += line.label + ": " + line.value + "\n";
    return text;
}

}  // namespace gyro
