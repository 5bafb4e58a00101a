#include "catalog/vertex_sets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "model/solid_ops.h"

namespace gyro::kit {
namespace {

using Writer = std::function<void(std::vector<Vec3>&, int32_t, const BuildParams&)>;
using Turn = int32_t (*)(int32_t, int32_t);

struct SetCase {
    const char* name;
    int32_t count;
    Writer write;
    Turn turn = nullptr;              // 72-degree turn about z, for the icosahedral sets
    int32_t (*partner)(int32_t) = nullptr;  // the opposite vertex, or the snub's half turn
    bool halfTurnAboutX = false;      // partner is (x, -y, -z) rather than -v
};

double Size(const BuildParams& p, const SizeRatio& r) { return ReferenceLength(p, r); }

int32_t IcosidodecahedronPartner(int32_t v) { return IcosidodecahedronAntipode(v); }
int32_t Partner60(int32_t v) { return Icosahedral60Antipode(v); }
int32_t Partner120(int32_t v) { return Icosahedral120Antipode(v); }
int32_t SnubPartner(int32_t v) { return SnubIcosahedralHalfTurn(v); }

const std::vector<SetCase>& Sets() {
    static const std::vector<SetCase> sets = {
        {"cuboctahedron", 12,
         [](auto& v, int32_t f, const auto& p) { WriteCuboctahedron(v, f, Size(p, CuboctahedronRatio())); }},
        {"rhombicuboctahedron", 24,
         [](auto& v, int32_t f, const auto& p) {
             WriteRhombicuboctahedron(v, f, Size(p, RhombicuboctahedronRatio()));
         }},
        {"pseudo rhombicuboctahedron", 24,
         [](auto& v, int32_t f, const auto& p) {
             WriteRhombicuboctahedron(v, f, Size(p, RhombicuboctahedronRatio()), RhombicuboctahedronForm::Pseudo);
         }},
        {"truncated cube", 24, [](auto& v, int32_t f, const auto& p) { WriteTruncatedCube(v, f, TruncatedCubeSize(p)); }},
        {"truncated tetrahedron", 12,
         [](auto& v, int32_t f, const auto& p) { WriteTruncatedTetrahedron(v, f, TruncatedTetrahedronSize(p)); }},
        {"truncated octahedron", 24,
         [](auto& v, int32_t f, const auto& p) { WriteTruncatedOctahedron(v, f, TruncatedOctahedronSize(p)); }},
        {"truncated cuboctahedron", 48,
         [](auto& v, int32_t f, const auto& p) {
             WriteOctahedral48(v, f, Size(p, TruncatedCuboctahedronRatio()), TruncatedCuboctahedronMember());
         }},
        {"icosidodecahedron", 30,
         [](auto& v, int32_t f, const auto& p) { WriteIcosidodecahedron(v, f, Size(p, IcosidodecahedronRatio())); },
         IcosidodecahedronTurn, IcosidodecahedronPartner},
        {"rhombicosidodecahedron", 60,
         [](auto& v, int32_t f, const auto& p) {
             WriteRhombicosidodecahedronFamily(v, f, Size(p, RhombicosidodecahedronRatio()), RhombicosidodecahedronX());
         },
         RhombicosidodecahedronTurn, Partner60},
        {"truncated dodecahedron", 60,
         [](auto& v, int32_t f, const auto& p) {
             WriteTruncatedDodecahedronFamily(v, f, TruncatedDodecahedronSize(p), TruncatedDodecahedronMu());
         },
         TruncatedDodecahedronTurn, Partner60},
        {"truncated icosahedron", 60,
         [](auto& v, int32_t f, const auto& p) {
             WriteTruncatedIcosahedronFamily(v, f, TruncatedIcosahedronSize(p), TruncatedIcosahedronLambda());
         },
         TruncatedIcosahedronTurn, Partner60},
        {"truncated icosidodecahedron", 120,
         [](auto& v, int32_t f, const auto& p) {
             WriteIcosahedral120(v, f, Size(p, TruncatedIcosidodecahedronRatio()), TruncatedIcosidodecahedronMember());
         },
         Icosahedral120Turn, Partner120},
        {"snub cube", 24, [](auto& v, int32_t f, const auto& p) { WriteSnubCube(v, f, Size(p, SnubCubeRatio())); }},
        {"snub dodecahedron", 60,
         [](auto& v, int32_t f, const auto& p) {
             const SnubIcosahedral m = SnubDodecahedronMember();
             WriteSnubIcosahedral(v, f, Size(p, SnubIcosahedralRatio(m)), m);
         },
         SnubIcosahedralTurn, SnubPartner, true},
    };
    return sets;
}

// Smallest distance between two of the points, and the spread of their radii.
struct Spread {
    double closest = 1e300;
    double rmin = 1e300;
    double rmax = 0.0;
};

Spread Measure(const std::vector<Vec3>& v, int32_t first, int32_t count) {
    Spread s;
    for (int32_t i = first; i < first + count; ++i) {
        const double r = Length(v[i]);
        s.rmin = std::min(s.rmin, r);
        s.rmax = std::max(s.rmax, r);
        for (int32_t j = first; j < i; ++j) s.closest = std::min(s.closest, Length(v[i] - v[j]));
    }
    return s;
}

Vec3 TurnedAboutZ(Vec3 p, double degrees) {
    const double c = CosDeg(degrees);
    const double s = SinDeg(degrees);
    return {p.x * c + p.y * s, p.y * c - p.x * s, p.z};  // the sense in which ring points advance
}

TEST(VertexSets, EachSetIsInscribedInItsSphereAtTheGivenOffset) {
    for (const SetCase& set : Sets()) {
        SCOPED_TRACE(set.name);
        BuildParams params;
        // Written behind a sentinel at an offset: nothing before `first` is touched.
        std::vector<Vec3> v(3 + set.count, Vec3{1.0, 2.0, 3.0});
        set.write(v, 3, params);
        EXPECT_EQ(v[2], (Vec3{1.0, 2.0, 3.0}));
        const Spread s = Measure(v, 3, set.count);
        EXPECT_NEAR(s.rmin, 800.0, 1e-9);
        EXPECT_NEAR(s.rmax, 800.0, 1e-9);
        EXPECT_GT(s.closest, 100.0);
    }
}

TEST(VertexSets, KikakuScalesTheWholeSetAndNothingElse) {
    for (const SetCase& set : Sets()) {
        SCOPED_TRACE(set.name);
        BuildParams inscribed;
        BuildParams mid;
        mid.kikaku = 0;
        BuildParams outer;
        outer.kikaku = 1;
        std::vector<Vec3> a(set.count), b(set.count), c(set.count);
        set.write(a, 0, inscribed);
        set.write(b, 0, mid);
        set.write(c, 0, outer);
        const double f = Length(b[0]) / Length(a[0]);
        EXPECT_GT(f, 1.0);
        for (int32_t i = 0; i < set.count; ++i) {
            EXPECT_NEAR(Length(b[i] - a[i] * f), 0.0, 1e-9);
            EXPECT_NEAR(Length(c[i] - a[i] * (f * f)), 0.0, 1e-9);
        }
    }
}

TEST(VertexSets, TurnAndPartnerNumberTheSameVertexAsTheGeometry) {
    for (const SetCase& set : Sets()) {
        if (set.turn == nullptr) continue;
        SCOPED_TRACE(set.name);
        std::vector<Vec3> v(set.count);
        set.write(v, 0, BuildParams{});
        for (int32_t i = 0; i < set.count; ++i) {
            for (int32_t k = -1; k <= 5; ++k) {
                EXPECT_NEAR(Length(v[set.turn(i, k)] - TurnedAboutZ(v[i], 72.0 * k)), 0.0, 1e-9) << i << " " << k;
            }
            const Vec3 p = v[i];
            const Vec3 image = set.halfTurnAboutX ? Vec3{p.x, -p.y, -p.z} : -p;
            EXPECT_NEAR(Length(v[set.partner(i)] - image), 0.0, 1e-9) << i;
        }
    }
}

// A family routine gives one point orbit for every member: distinct points on
// one sphere, never a collapsed or torn set.
TEST(VertexSets, EveryMemberOfTheIcosahedralFamiliesIsOneSphereOfDistinctPoints) {
    std::vector<Vec3> v(120);
    for (double X : {RhombicosidodecahedronX(), GreatSnubDodecicosidodecahedronX(), TruncatedGreatIcosahedronX(),
                     SmallIcosicosidodecahedronX(), 0.1, 0.5, 1.3, 2.0, 3.7}) {
        WriteRhombicosidodecahedronFamily(v, 0, 800.0, X);
        const Spread s = Measure(v, 0, 60);
        EXPECT_NEAR(s.rmax, s.rmin, 1e-9 * s.rmax) << X;
        EXPECT_GT(s.closest, 1.0) << X;
    }
    for (double mu : {TruncatedDodecahedronMu(), SmallRetrosnubIcosicosidodecahedronMu(), 0.2, 0.7}) {
        WriteTruncatedDodecahedronFamily(v, 0, 800.0, mu);
        const Spread s = Measure(v, 0, 60);
        EXPECT_NEAR(s.rmax, s.rmin, 1e-9 * s.rmax) << mu;
        EXPECT_GT(s.closest, 1.0) << mu;
    }
    for (double lambda : {TruncatedIcosahedronLambda(), PrismCompoundLambda(), PentagonalPrismCompoundLambda(),
                          SmallSnubIcosicosidodecahedronLambda(), 0.2}) {
        WriteTruncatedIcosahedronFamily(v, 0, 800.0, lambda);
        const Spread s = Measure(v, 0, 60);
        EXPECT_NEAR(s.rmax, s.rmin, 1e-9 * s.rmax) << lambda;
        EXPECT_GT(s.closest, 1.0) << lambda;
    }
    for (Icosahedral120 m : {TruncatedIcosidodecahedronMember(), IcositruncatedDodecadodecahedronMember()}) {
        WriteIcosahedral120(v, 0, 800.0, m);
        const Spread s = Measure(v, 0, 120);
        EXPECT_NEAR(s.rmax, s.rmin, 1e-9 * s.rmax);
        EXPECT_GT(s.closest, 1.0);
    }
    // The non-convex snubs' own constants.
    for (SnubIcosahedral m : {SnubDodecahedronMember(), kSnubDodecadodecahedron, kInvertedSnubDodecadodecahedron,
                              kSnubIcosidodecadodecahedron, kGreatSnubIcosidodecahedron,
                              kGreatInvertedSnubIcosidodecahedron, kGreatRetrosnubIcosidodecahedron}) {
        WriteSnubIcosahedral(v, 0, 800.0, m);
        const Spread s = Measure(v, 0, 60);
        EXPECT_NEAR(s.rmax, s.rmin, 1e-9 * s.rmax) << m.kappa;
        EXPECT_GT(s.closest, 1.0) << m.kappa;
        const SizeRatio r = SnubIcosahedralRatio(m);
        EXPECT_TRUE(std::isfinite(r.q) && std::isfinite(r.qEdge) && r.q > 1.0 && r.qEdge > 1.0) << m.kappa;
    }
}

TEST(VertexSets, SnubConstantsAreTheRootsOfTheirEquations) {
    // Published decimals of the tribonacci reciprocal and the snub dodecahedron's cubic root.
    const SnubCubeConstants c = SnubCube();
    EXPECT_NEAR(c.J, 0.5436890126920764, 1e-14);
    EXPECT_NEAR(1.0 / c.J, 1.8392867552141612, 1e-13);
    EXPECT_NEAR(c.J * (1.0 + c.J * (1.0 + c.J)), 1.0, 1e-14);  // x^3 + x^2 + x = 1
    EXPECT_NEAR(c.L, 0.29559774252208476, 1e-14);
    EXPECT_NEAR(c.q, 1.175999901320675, 1e-14);
    const SnubIcosahedral m = SnubDodecahedronMember();
    EXPECT_NEAR(m.kappa, 0.4889845918317166, 1e-13);
    EXPECT_NEAR(m.epsilon, 0.12036338038008926, 1e-13);
    const SnubDerived d = SnubDerivedConstants(m);
    EXPECT_NEAR(d.delta, 0.23282510473425794, 1e-13);
    EXPECT_NEAR(d.zeta, 2.0090241338529475, 1e-13);
    EXPECT_NEAR(d.eta, 0.4227031342140407, 1e-13);
    EXPECT_NEAR(SnubIcosahedralRatio(m).q, 1.0883033063941197, 1e-13);
    EXPECT_NEAR(RhombicosidodecahedronX(), 0.8541019662, 1e-10);
}

TEST(VertexSets, PseudoFormsTurnOnlyTheirBottomCap) {
    std::vector<Vec3> plain(24), pseudo(24);
    WriteRhombicuboctahedron(plain, 0, 500.0);
    WriteRhombicuboctahedron(pseudo, 0, 500.0, RhombicuboctahedronForm::Pseudo);
    for (int32_t i = 0; i < 20; ++i) EXPECT_EQ(plain[i], pseudo[i]) << i;
    for (int32_t j = 0; j < 4; ++j) {
        EXPECT_NEAR(Length(pseudo[20 + j] - TurnedAboutZ(plain[20 + j], -45.0)), 0.0, 1e-9) << j;
    }
    WriteTruncatedCube(plain, 0, 500.0);
    WriteTruncatedCube(pseudo, 0, 500.0, TruncatedCubeForm::Pseudo);
    for (int32_t i = 0; i < 12; ++i) EXPECT_EQ(plain[i], pseudo[i]) << i;
    for (int32_t j = 0; j < 4; ++j) {
        EXPECT_NEAR(Length(pseudo[12 + j] - TurnedAboutZ(plain[12 + j], -45.0)), 0.0, 1e-9) << j;
    }
    for (int32_t m = 0; m < 8; ++m) EXPECT_EQ(pseudo[16 + (m + 1) % 8], plain[16 + m]) << m;
}

}  // namespace
}  // namespace gyro::kit
