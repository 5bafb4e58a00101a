#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/vec3.h"

namespace gyro {

// A 3 x 3 orthogonal matrix, rows first.
using Isometry = std::array<double, 9>;

// A point group in Schoenflies notation ("Ih", "D5d", "C4v", "S4", "Ci", "C1").
struct PointGroup {
    std::string name;
    int32_t order = 1;
    bool chiral = true;  // no reflection, inversion or rotoreflection
};

// A figure reduced to what its symmetry depends on: distinct points, and the
// edges and faces as lists of point indices.
struct SymmetryFigure {
    std::vector<Vec3> points;
    std::vector<std::array<int32_t, 2>> edges;
    std::vector<std::vector<int32_t>> faces;  // each face's corners, any order
};

// Cancelled: the caller's flag was raised before the search finished.
enum class SymmetryOutcome : uint8_t { Found, VerticesOnALine, TooLarge, NoPoints, Cancelled };

struct SymmetryResult {
    SymmetryOutcome outcome = SymmetryOutcome::NoPoints;
    PointGroup group;
    std::vector<Isometry> isometries;  // every isometry found, about `centre`
    Vec3 centre;
};

// Finds every isometry about the centroid of the points that maps the points,
// the edges and the faces onto themselves, by trying the maps that send two
// fixed reference points onto points at the same distances; then names the
// group. `tolerance` is an absolute length (positions closer than it are one).
// A raised `cancel` flag ends a long search early, with the outcome Cancelled.
SymmetryResult FindPointGroup(const SymmetryFigure& figure, double tolerance, int32_t maxPoints,
                              const std::atomic<bool>* cancel = nullptr);

// Names the group formed by `isometries` (which must be closed under product).
PointGroup NamePointGroup(const std::vector<Isometry>& isometries);

}  // namespace gyro
