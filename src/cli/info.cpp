#include <cstdio>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/start_state.h"
#include "geometry/figure_numbers.h"
#include "geometry/numbers_text.h"
#include "state/app_state.h"

namespace gyro::cli {

namespace {

struct InfoOptions {
    ShapeId figure = 0;
    std::optional<int8_t> kikaku;
    std::optional<std::string> settings;
    bool json = false;
    bool outer = false;  // also the enclosed volume and outer surface area (up to minutes for a star)
};

std::optional<std::string> ParseInfoArgs(const Args& args, InfoOptions& options) {
    std::optional<ShapeId> figure;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--json") {
            options.json = true;
        } else if (word == "--outer") {
            options.outer = true;
        } else if (word == "--kikaku" || word == "--settings") {
            if (i + 1 >= args.size()) return "option " + word + " needs a value";
            const std::string& value = args[++i];
            if (word == "--settings") {
                options.settings = value;
                continue;
            }
            const auto kikaku = ParseInt(value, -1, 1);
            if (!kikaku) return "--kikaku takes -1, 0 or 1, not '" + value + "'";
            options.kikaku = static_cast<int8_t>(*kikaku);
        } else if (auto error = TakeFigureWord(word, figure)) {
            return error;
        }
    }
    if (!figure) return std::string("info needs a figure number (see 'gyrosolid-cli list')");
    options.figure = *figure;
    return std::nullopt;
}

const char* OmissionName(Omission why) {
    switch (why) {
        case Omission::None: return "";
        case Omission::NoFaces: return "no faces";
        case Omission::OpenSurface: return "open surface";
        case Omission::EdgeInManyFaces: return "edge in more than two faces";
        case Omission::VertexNotOneCycle: return "vertex figure not one cycle";
        case Omission::NotOrientable: return "not orientable";
        case Omission::SeveralPieces: return "several pieces";
        case Omission::CentreOnSurface: return "centre on a face";
        case Omission::NotWhole: return "winding not whole";
        case Omission::VerticesOnALine: return "vertices on one line";
        case Omission::TooLarge: return "too many vertices";
    }
    return "";
}

// A number that may be left out: its value, or null with the reason beside it.
template <class T>
void Optional(nlohmann::ordered_json& j, const char* key, const std::optional<T>& value, Omission why) {
    if (value) {
        j[key] = *value;
    } else {
        j[key] = nullptr;
        j[std::string(key) + "LeftOut"] = OmissionName(why);
    }
}

nlohmann::ordered_json RadiusJson(const Radius& r) {
    nlohmann::ordered_json j;
    j["onSphere"] = r.onSphere;
    if (r.onSphere) {
        j["value"] = r.max;
    } else {
        j["min"] = r.min;
        j["max"] = r.max;
    }
    return j;
}

nlohmann::ordered_json CountedJson(const std::vector<CountedValue>& values) {
    nlohmann::ordered_json j = nlohmann::ordered_json::array();
    for (const CountedValue& v : values) j.push_back({{"value", v.value}, {"count", v.count}});
    return j;
}

nlohmann::ordered_json NumbersJson(const FigureNumbers& n) {
    nlohmann::ordered_json j;
    j["figure"] = n.figure;
    j["nameJa"] = n.nameJa;
    j["nameEn"] = n.nameEn;
    j["vertices"] = n.vertices;
    j["edges"] = n.edges;
    j["faces"] = n.faces;
    j["emptyFaceSlots"] = n.emptyFaceSlots;
    j["segments"] = n.segments;
    j["faceKinds"] = nlohmann::ordered_json::array();
    for (const CountedKind& k : n.faceKinds) {
        j["faceKinds"].push_back({{"kind", FaceKindName(k.kind)}, {"count", k.count}});
    }
    j["vertexConfigurations"] = nlohmann::ordered_json::array();
    for (const CountedText& c : n.vertexConfigurations) {
        j["vertexConfigurations"].push_back({{"configuration", c.text}, {"count", c.count}});
    }
    j["verticesNotOneCycle"] = n.verticesNotOneCycle;
    j["eulerCharacteristic"] = n.eulerCharacteristic;
    j["pieces"] = n.pieces;
    Optional(j, "orientable", n.orientable, n.orientableNote);
    Optional(j, "genus", n.genus, n.genusNote);
    Optional(j, "density", n.density, n.densityNote);
    j["convex"] = n.convex;
    if (n.symmetry) {
        j["pointGroup"] = n.symmetry->name;
        j["groupOrder"] = n.symmetry->order;
        j["chiral"] = n.chiral;
    } else {
        j["pointGroup"] = nullptr;
        j["pointGroupLeftOut"] = OmissionName(n.symmetryNote);
    }
    j["circumradius"] = RadiusJson(n.circumradius);
    j["midradius"] = RadiusJson(n.midradius);
    j["inradius"] = RadiusJson(n.inradius);
    j["shortestEdge"] = n.shortestEdge;
    j["edgeLengths"] = CountedJson(n.edgeLengths);
    Optional(j, "area", n.area, n.measureNote);
    Optional(j, "volume", n.volume, n.measureNote);
    j["volumeCountsDensity"] = n.volumeCountsDensity;
    if (n.outer.computed && n.outer.refusal == OuterRefusal::None) {
        j["enclosedVolume"] = n.outer.volume;
        j["outerSurfaceArea"] = n.outer.area;
    } else if (n.faces > 0 && n.outer.wanted) {
        j["enclosedVolume"] = nullptr;
        j["outerSurfaceArea"] = nullptr;
        j["outerLeftOut"] = OuterRefusalEnglish(n.outer.refusal);
    }
    j["dihedralAngles"] = CountedJson(n.dihedralAngles);
    j["edgesWithoutAngle"] = n.edgesWithoutAngle;
    j["related"] = {{"dual", n.related.dual},
                    {"compoundWithDual", n.related.compoundWithDual},
                    {"base", n.related.base},
                    {"partner", n.related.partner},
                    {"mirror", n.related.mirror}};
    return j;
}

}  // namespace

int RunInfo(const Args& args) {
    InfoOptions options;
    if (const auto error = ParseInfoArgs(args, options)) return UsageError("info", *error);
    AppState state;
    const Status built = BuildStartFigure(state, options.settings, options.kikaku, options.figure);
    if (!built.ok()) return Fail(built.message);
    FigureNumbers numbers = ComputeFigureNumbers(state.solid);
    // The outer surface of a star or of the largest figures takes seconds to
    // minutes, against a fraction of a second for everything else: only on request.
    if (numbers.faces > 0 && options.outer) {
        numbers.outer = MeasureOuterSurface(state.solid, state.display.fracn);
    } else {
        numbers.outer.wanted = false;
    }
    const std::string text =
        options.json ? NumbersJson(numbers).dump(2) + "\n" : NumbersText(numbers, EnglishNumberWords());
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        return Fail("writing to standard output failed");
    }
    return 0;
}

}  // namespace gyro::cli
