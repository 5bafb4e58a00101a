#include "support/float_weld.h"

#include <map>
#include <tuple>
#include <utility>

namespace gyro::test {

FloatMesh WeldAsFloats(const std::vector<std::array<Vec3, 3>>& corners) {
    FloatMesh mesh;
    std::map<std::tuple<float, float, float>, int32_t> index;
    for (const auto& triangle : corners) {
        std::array<int32_t, 3> t{};
        std::array<Vec3, 3> rounded{};
        for (size_t c = 0; c < 3; ++c) {
            const std::tuple<float, float, float> key{static_cast<float>(triangle[c].x), static_cast<float>(triangle[c].y),
                                                      static_cast<float>(triangle[c].z)};
            rounded[c] = {std::get<0>(key), std::get<1>(key), std::get<2>(key)};
            const auto [it, inserted] = index.emplace(key, static_cast<int32_t>(mesh.points.size()));
            if (inserted) mesh.points.push_back(rounded[c]);
            t[c] = it->second;
        }
        if (t[0] == t[1] || t[1] == t[2] || t[2] == t[0]) ++mesh.degenerate;
        mesh.triangles.push_back(t);
        mesh.volume += Dot(rounded[0], Cross(rounded[1], rounded[2])) / 6.0;
    }
    return mesh;
}

int64_t UnbalancedEdges(const FloatMesh& mesh) {
    std::map<std::pair<int32_t, int32_t>, int64_t> walks;  // (low, high): forward minus backward
    for (const auto& t : mesh.triangles) {
        for (size_t i = 0; i < 3; ++i) {
            const int32_t a = t[i];
            const int32_t b = t[(i + 1) % 3];
            if (a < b) ++walks[{a, b}];
            if (b < a) --walks[{b, a}];
        }
    }
    int64_t unbalanced = 0;
    for (const auto& [edge, balance] : walks) unbalanced += balance != 0;
    return unbalanced;
}

}  // namespace gyro::test
