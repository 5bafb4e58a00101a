#include "geometry/outer_exact.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Polygon_mesh_processing/self_intersections.h>
#include <CGAL/Surface_mesh.h>

#include <unordered_map>

namespace gyro::outer {

bool MeshSelfIntersects(const std::vector<Vec3>& points, const std::vector<std::array<int32_t, 3>>& triangles) {
    using K = CGAL::Epick;
    using Mesh = CGAL::Surface_mesh<K::Point_3>;
    Mesh mesh;
    std::unordered_map<int32_t, Mesh::Vertex_index> vertex;
    auto at = [&](int32_t i) {
        const auto [it, inserted] = vertex.emplace(i, Mesh::Vertex_index());
        if (inserted) {
            const Vec3& p = points[static_cast<size_t>(i)];
            it->second = mesh.add_vertex(K::Point_3(p.x, p.y, p.z));
        }
        return it->second;
    };
    for (const auto& t : triangles) {
        // A face the mesh cannot take is no 2-manifold: count it as a fault.
        if (mesh.add_face(at(t[0]), at(t[1]), at(t[2])) == Mesh::null_face()) return true;
    }
    // The library's own predicates decide (exact on the doubles).
    return CGAL::Polygon_mesh_processing::does_self_intersect(mesh);
}

}  // namespace gyro::outer
