// The SVG tests' fixture: a fresh drawhost, files opened from text, readers
// of the document that came out, and the document's invariants after every
// test.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_invariants.h"
#include "document/svg_reader.h"
#include "host_fixture.h"

namespace svg_test {

class SvgTest : public drawhost_test::HostTest {
protected:
    void TearDown() override {
        std::string why;
        EXPECT_TRUE(drawhost::DocumentCheckInvariants(&why)) << why;
        HostTest::TearDown();
    }

    // Opens SVG text that must open; its warnings are kept in `warnings`.
    void Open(const std::string& svg) {
        drawhost::SvgOpenReport report;
        std::string error;
        ASSERT_TRUE(drawhost::DocumentOpenSvgText(svg, "test.svg", &report, &error)) << error;
        warnings = report.warnings;
        opened = report;
    }
    // Opens SVG text that must be refused; returns the message.
    std::string Refused(const std::string& svg) {
        drawhost::SvgOpenReport report;
        std::string error;
        EXPECT_FALSE(drawhost::DocumentOpenSvgText(svg, "test.svg", &report, &error));
        return error;
    }
    // A file of `content` on a page where one unit is one point.
    static std::string Page(const std::string& content, const std::string& extra = "") {
        return "<svg xmlns='http://www.w3.org/2000/svg' width='1000pt' height='1000pt' viewBox='0 0 1000 1000'" +
               extra + ">" + content + "</svg>";
    }
    bool Warned(const std::string& needle) const {
        for (const std::string& w : warnings)
            if (w.find(needle) != std::string::npos) return true;
        return false;
    }
    std::string AllWarnings() const {
        std::string out;
        for (const std::string& w : warnings) out += w + "\n";
        return out;
    }

    // The layers, topmost first, and the art of one layer (bottom first).
    static const drawhost::Layer& LayerAt(size_t i) { return *drawhost::TheDocument().layers.at(i); }
    static std::vector<const drawhost::Art*> ArtOf(const drawhost::Layer& layer) {
        return Children(*drawhost::DocumentArtById(layer.group));
    }
    static std::vector<const drawhost::Art*> Children(const drawhost::Art& group) {
        std::vector<const drawhost::Art*> out;
        for (drawhost::DocId id : group.children) out.push_back(drawhost::DocumentArtById(id));
        return out;
    }
    // Every path of the document in paint order.
    static std::vector<const drawhost::Art*> Paths() { return drawhost::DocumentPathsInPaintOrder(); }

    std::vector<std::string> warnings;
    drawhost::SvgOpenReport opened;
};

struct Pt {
    double h, v;
};

// Anchors (and closedness) of a path, to 1e-4 point.
inline void ExpectAnchors(const drawhost::Art& path, std::initializer_list<Pt> anchors, bool closed,
                          double tolerance = 1e-4) {
    ASSERT_EQ(path.kind, kArtPath);
    ASSERT_EQ(path.segments.size(), anchors.size()) << path.name;
    EXPECT_EQ(path.closed, closed) << path.name;
    size_t i = 0;
    for (const Pt& p : anchors) {
        EXPECT_NEAR(path.segments[i].p.h, p.h, tolerance) << "anchor " << i;
        EXPECT_NEAR(path.segments[i].p.v, p.v, tolerance) << "anchor " << i;
        ++i;
    }
}

inline void ExpectPoint(const RealPoint& p, Pt expected, const char* what, double tolerance = 1e-4) {
    EXPECT_NEAR(p.h, expected.h, tolerance) << what;
    EXPECT_NEAR(p.v, expected.v, tolerance) << what;
}

inline bool Retracted(const PathSegment& s) {
    return s.in.h == s.p.h && s.in.v == s.p.v && s.out.h == s.p.h && s.out.v == s.p.v;
}

}  // namespace svg_test
