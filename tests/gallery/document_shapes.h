// Test support of the shape writers: drawhost's document suites installed as
// the plug-in's suite pointers, a paint context, and readers of what the
// document holds.
#pragma once
#include <gtest/gtest.h>

#include "document/document.h"
#include "frame/host.h"
#include "host/suites.h"
#include "host_fixture.h"
#include "shape_art.h"

namespace shapes_test {

// A fresh drawhost with the document suites the writers use acquired into
// the plug-in's pointers (cleared again at the end of each test).
class DocumentShapesTest : public drawhost_test::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Acquire(qzv::sArt, kArtSuiteName, kArtSuiteVersion);
        Acquire(qzv::sPath, kPathSuiteName, kPathSuiteVersion);
        Acquire(qzv::sPathStyle, kPathStyleSuiteName, kPathStyleSuiteVersion);
        Acquire(qzv::sTransformArt, kTransformArtSuiteName, kTransformArtSuiteVersion);
        Acquire(qzv::sRandom, kRandomSuiteName, kRandomSuiteVersion);
        Acquire(qzv::sPattern, kPatternSuiteName, kPatternSuiteVersion);
        Acquire(qzv::sLayer, kLayerSuiteName, kLayerSuiteVersion);
        Acquire(qzv::sDlgBasic, kDlgBasicSuiteName, kDlgBasicSuiteVersion);

        paint.stroke = {true, false, 80.0f, 0.0f, 0.0f, false, 1, 100.0f, 0.0f};
        paint.fill = {true, true, 204.0f, 229.5f, 255.0f, false, 1, 100.0f, 0.0f};
        qzv::RebuildPathStyles(paint, kShapeWeight, styles);
        ctx = qzv::ShapeContext{&styles, kShapeWeight, kMarkWeight, kBranch, false, 0.0f};
    }

    void TearDown() override {
        qzv::sArt = nullptr;
        qzv::sPath = nullptr;
        qzv::sPathStyle = nullptr;
        qzv::sTransformArt = nullptr;
        qzv::sRandom = nullptr;
        qzv::sPattern = nullptr;
        qzv::sLayer = nullptr;
        qzv::sDlgBasic = nullptr;
        HostTest::TearDown();
    }

    template <typename T>
    static void Acquire(const T*& slot, const char* name, int32_t version) {
        slot = static_cast<const T*>(drawhost::HostFindSuite(name, version));
        ASSERT_NE(slot, nullptr) << name << " " << version;
    }

    // The current layer's group.
    static ArtHandle LayerGroup() {
        LayerHandle layer = nullptr;
        EXPECT_EQ(qzv::sLayer->GetCurrentLayer(&layer), kNoErr);
        ArtHandle group = nullptr;
        EXPECT_EQ(qzv::sArt->GetFirstArtOfLayer(layer, &group), kNoErr);
        return group;
    }

    // A fresh target group on top of the layer, as a mouse down prepares it,
    // and an empty main path inside it on top.
    static qzv::ShapeArt NewGesture(const char* name, bool rectTool) {
        qzv::ShapeArt art{};
        EXPECT_EQ(qzv::sArt->NewArt(kArtGroup, kPlaceInsideOnTop, LayerGroup(), &art.targetGroup),
                  kNoErr);
        qzv::sArt->SetArtName(art.targetGroup, name);
        ArtHandle path = nullptr;
        EXPECT_EQ(qzv::CreatePath(art.targetGroup, kPlaceInsideOnTop, &path), kNoErr);
        qzv::sArt->SetArtName(path, name);
        (rectTool ? art.rectPath : art.constructionPath) = path;
        return art;
    }

    static const drawhost::Art& ArtOf(ArtHandle handle) {
        const drawhost::Art* a = drawhost::DocumentFindArt(handle);
        if (!a) throw std::runtime_error("no such art");
        return *a;
    }

    static constexpr float kShapeWeight = 2.0f;
    static constexpr float kMarkWeight = 0.75f;
    static constexpr float kBranch = 40.0f;

    qzv::PaintSettings paint{};
    qzv::DerivedStyles styles{};
    qzv::ShapeContext ctx{};
};

struct Pt {
    double h, v;
};

// Anchors, closedness and nothing else of a path.
inline void ExpectAnchors(const drawhost::Art& path, std::initializer_list<Pt> anchors, bool closed,
                          double tolerance = 2e-3) {
    ASSERT_EQ(path.segments.size(), anchors.size()) << path.name;
    EXPECT_EQ(path.closed, closed) << path.name;
    size_t i = 0;
    for (const Pt& p : anchors) {
        EXPECT_NEAR(path.segments[i].p.h, p.h, tolerance) << path.name << " anchor " << i;
        EXPECT_NEAR(path.segments[i].p.v, p.v, tolerance) << path.name << " anchor " << i;
        ++i;
    }
}

inline void ExpectPoint(RealPoint actual, Pt expected, const char* what, double tolerance = 2e-3) {
    EXPECT_NEAR(actual.h, expected.h, tolerance) << what;
    EXPECT_NEAR(actual.v, expected.v, tolerance) << what;
}

// A painted stroke of the gray level 80 %: gray 0.8, round caps, miter
// joins, miter limit 10.
inline void ExpectGrayStroke(const PathStyle& s, float width, const char* what) {
    EXPECT_EQ(s.strokePaint, 1) << what;
    EXPECT_EQ(s.stroke.color.kind, kPaintGray) << what;
    EXPECT_FLOAT_EQ(s.stroke.color.gray, 0.8f) << what;
    EXPECT_FLOAT_EQ(s.stroke.width, width) << what;
    EXPECT_EQ(s.stroke.cap, 1) << what;
    EXPECT_EQ(s.stroke.join, 0) << what;
    EXPECT_FLOAT_EQ(s.stroke.miterLimit, 10.0f) << what;
}

}  // namespace shapes_test
