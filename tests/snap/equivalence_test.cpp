// The plug-in's snap search against the reference written from its
// description, on thousands of random cursors over random documents:
// straight and curved paths, circles and arcs drawn by the shape builders,
// closed paths, coincident and zero-length pieces, one-anchor paths, paths
// without segments, nearly vertical lines whose crossing overflows, art on
// hidden and locked layers, hidden, locked and guide paths, the tools' own
// path under construction and re-editable circles; both searches, every
// tool and mode the search cares about, zooms (0, negative and NaN among
// them), tolerances, and cursors that are not finite points. The results
// must agree field by field, bit for bit, and the cursor too.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "dialogs/basic_services.h"
#include "document/document.h"
#include "document/svg_reader.h"
#include "frame/host.h"
#include "geometry/circle_paths.h"
#include "geometry/constructions.h"
#include "geometry/plane.h"
#include "host/suites.h"
#include "plugin/suite_table.h"
#include "reference_scan.h"
#include "search_fixture.h"
#include "snap/snap_index.h"
#include "snap/snap_search.h"

namespace snap_test {
namespace {

using namespace drawhost;

template <typename T>
bool SameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool SamePoint(RealPoint a, RealPoint b) { return SameBits(a.h, b.h) && SameBits(a.v, b.v); }

bool SameArc(const qzv::ArcRecord& a, const qzv::ArcRecord& b) {
    return SamePoint(a.centre, b.centre) && SameBits(a.radius, b.radius) && a.art == b.art;
}

// Every field of the result, with the first that differs named.
std::string Difference(const qzv::SnapResult& a, const qzv::SnapResult& b) {
    if (a.onPoint != b.onPoint) return "onPoint";
    if (a.onSegment != b.onSegment) return "onSegment";
    if (a.onArc != b.onArc) return "onArc";
    if (a.onIntersection != b.onIntersection) return "onIntersection";
    if (a.onCurve != b.onCurve) return "onCurve";
    if (a.onEditableArc != b.onEditableArc) return "onEditableArc";
    if (!SamePoint(a.snapPoint, b.snapPoint)) return "snapPoint";
    if (!SamePoint(a.segmentEnd, b.segmentEnd)) return "segmentEnd";
    if (!SamePoint(a.nearPoint, b.nearPoint)) return "nearPoint";
    if (!SamePoint(a.cursor, b.cursor)) return "cursor";
    if (!SameArc(a.firstArc, b.firstArc)) return "firstArc";
    if (!SameArc(a.secondArc, b.secondArc)) return "secondArc";
    if (!SamePoint(a.arcCentre, b.arcCentre)) return "arcCentre";
    if (!SameBits(a.arcRadius, b.arcRadius)) return "arcRadius";
    if (a.searchArt != b.searchArt) return "searchArt";
    return "";
}

class Equivalence : public SearchTest {
protected:
    ArtHandle NewPath(ArtHandle group, const std::vector<PathSegment>& segments, bool closed) {
        ArtHandle art = nullptr;
        EXPECT_EQ(DocumentNewArt(kArtPath, kPlaceInsideOnTop, group, &art), kNoErr);
        qzv::sPath->SetPathSegmentCount(art, static_cast<int32_t>(segments.size()));
        if (!segments.empty()) qzv::sPath->SetPathSegments(art, 0, static_cast<int32_t>(segments.size()), segments.data());
        qzv::sPath->SetPathClosed(art, closed);
        return art;
    }

    static PathSegment Corner(RealPoint p) { return PathSegment{p, p, p, 1}; }

    // A random document; returns the anchors and pieces a cursor may look for.
    void BuildDocument(std::mt19937& rng) {
        DocumentReset();
        anchors_.clear();
        pieces_.clear();
        circles_.clear();
        paths_.clear();
        groups_.clear();
        laid_.clear();
        std::uniform_real_distribution<float> coord(0, 400), unit(0, 1), offset(-40, 40);
        const int layers = 1 + static_cast<int>(rng() % 3);
        for (int l = 0; l < layers; ++l) {
            LayerHandle layer = nullptr;
            ASSERT_EQ(DocumentInsertLayer(nullptr, kLayerPlaceAbove, "L" + std::to_string(l), &layer), kNoErr);
            Layer* record = DocumentFindLayer(layer);
            record->visible = rng() % 5 != 0;
            const bool editable = rng() % 4 != 0;
            const ArtHandle group = ArtHandleOf(record->group);
            const int count = 2 + static_cast<int>(rng() % 6);
            for (int i = 0; i < count; ++i) {
                std::vector<PathSegment> segs;
                bool closed = rng() % 3 == 0;
                const int kind = static_cast<int>(rng() % 11);
                const RealPoint base{coord(rng), coord(rng)};
                if (kind == 0 || kind == 1) {   // a polyline, sometimes with repeated points
                    const int n = 1 + static_cast<int>(rng() % 5);
                    RealPoint p = base;
                    for (int k = 0; k < n; ++k) {
                        segs.push_back(Corner(p));
                        if (rng() % 6 != 0) p = RealPoint{p.h + offset(rng), p.v + offset(rng)};
                    }
                } else if (kind == 2) {         // free curves
                    const int n = 2 + static_cast<int>(rng() % 3);
                    for (int k = 0; k < n; ++k) {
                        const RealPoint p{base.h + offset(rng) * 2, base.v + offset(rng) * 2};
                        segs.push_back(PathSegment{p, {p.h + offset(rng), p.v + offset(rng)},
                                                   {p.h + offset(rng), p.v + offset(rng)}, 0});
                    }
                } else if (kind == 3 || kind == 6) {   // a circle as the tools draw it, or one slightly off
                    const float radius = 5 + unit(rng) * 80;
                    const qzv::ShapePath placed = qzv::PlacedPath(qzv::BuildCircle(radius, base, unit(rng) * 3));
                    segs.assign(placed.seg, placed.seg + placed.count);
                    if (kind == 6)
                        for (PathSegment& s : segs) {
                            s.in.h += offset(rng) / 200;
                            s.out.v += offset(rng) / 200;
                        }
                    circles_.push_back({base, radius});
                    closed = true;
                } else if (kind == 4) {         // an arc or a sector
                    const qzv::ShapePath placed = qzv::PlacedPath(qzv::BuildArcPath(
                        base, 5 + unit(rng) * 80, (unit(rng) - 0.5f) * 6, unit(rng) * 6, rng() % 2, rng() % 2));
                    segs.assign(placed.seg, placed.seg + placed.count);
                    if (rng() % 2)   // handles a little off the tangents, retracted ones kept
                        for (PathSegment& s : segs) {
                            if (!qzv::PointsEqual(s.in, s.p)) s.in.v += offset(rng) / 200;
                            if (!qzv::PointsEqual(s.out, s.p)) s.out.h += offset(rng) / 200;
                        }
                    circles_.push_back({base, placed.count > 0 ? qzv::PointDistance(base, segs[0].p) : 0.0f});
                    closed = rng() % 2;
                } else if (kind == 7 && !laid_.empty()) {   // a copy of earlier art: coincident pieces
                    segs = laid_[rng() % laid_.size()];
                    if (rng() % 2 && segs.size() > 1) std::reverse(segs.begin(), segs.end());
                } else if (kind == 8) {         // nothing to read, or a lone anchor
                    if (rng() % 2) segs.push_back(Corner(base));
                } else if (kind == 9) {         // nearly vertical at h = 0 and a level line across it
                    const float v = coord(rng);
                    segs.push_back(Corner(RealPoint{0.0f, v - 30}));
                    segs.push_back(Corner(RealPoint{1.0e-39f, v + 30}));
                    const ArtHandle across = NewPath(group, {Corner({-30, v + 1}), Corner({30, v + 1})}, false);
                    paths_.push_back(across);
                    anchors_.push_back(RealPoint{0.0f, v + 1});   // the crossing, for cursors near it
                } else if (kind == 10) {        // a circle, then a line out of its centre across it
                    const float radius = 5 + unit(rng) * 40;
                    const qzv::ShapePath placed = qzv::PlacedPath(qzv::BuildCircle(radius, base, 0));
                    const ArtHandle circle =
                        NewPath(group, std::vector<PathSegment>(placed.seg, placed.seg + placed.count), true);
                    if (rng() % 2) qzv::sTag->SetTag(circle, "modif", kTagTypeString, "jj");
                    circles_.push_back({base, radius});
                    const float a = unit(rng) * 6.2831855f;
                    const RealPoint on{base.h + radius * std::cos(a), base.v + radius * std::sin(a)};
                    if (rng() % 2) {   // along the radius: across the arc's chord
                        segs.push_back(Corner(base));
                        segs.push_back(Corner(RealPoint{base.h + 2 * radius * std::cos(a), base.v + 2 * radius * std::sin(a)}));
                    } else {           // along the tangent: clear of the chord
                        segs.push_back(Corner(RealPoint{on.h - 20 * std::sin(a), on.v + 20 * std::cos(a)}));
                        segs.push_back(Corner(RealPoint{on.h + 20 * std::sin(a), on.v - 20 * std::cos(a)}));
                    }
                    anchors_.push_back(RealPoint{base.h + radius * std::cos(a), base.v + radius * std::sin(a)});
                } else {                        // a long straight line across others
                    segs.push_back(Corner(base));
                    segs.push_back(Corner(RealPoint{coord(rng), coord(rng)}));
                }
                laid_.push_back(segs);
                const ArtHandle art = NewPath(group, segs, closed);
                paths_.push_back(art);
                const int attr = static_cast<int>(rng() % 10);
                if (attr == 0) qzv::sArt->SetArtUserAttr(art, kArtHidden, kArtHidden);
                if (attr == 1) qzv::sArt->SetArtUserAttr(art, kArtLocked, kArtLocked);
                if (attr == 2) qzv::sPath->SetPathGuide(art, 1);
                if (attr == 3) qzv::sTag->SetTag(art, "qzv", kTagTypeString, "jj");
                if (kind == 3 && rng() % 2) qzv::sTag->SetTag(art, "modif", kTagTypeString, "jj");
                for (size_t k = 0; k < segs.size(); ++k) {
                    anchors_.push_back(segs[k].p);
                    if (k + 1 < segs.size()) pieces_.push_back({segs[k].p, segs[k + 1].p});
                }
            }
            record->editable = editable;   // art on a locked layer is still snapped to
        }
    }

    RealPoint RandomCursor(std::mt19937& rng) {
        std::uniform_real_distribution<float> coord(-20, 420), jitter(-3, 3), t(0, 1);
        if (rng() % 100 == 0) {   // a cursor the host should never send
            const float odd[] = {std::nanf(""), INFINITY, -INFINITY, 1e30f, -1e30f};
            return rng() % 2 ? RealPoint{odd[rng() % 5], coord(rng)} : RealPoint{coord(rng), odd[rng() % 5]};
        }
        const int how = static_cast<int>(rng() % 6);
        if (how == 3 && !circles_.empty()) {   // on a circle, where it may cross lines
            const auto& [c, r] = circles_[rng() % circles_.size()];
            const float a = t(rng) * 6.2831855f;
            return RealPoint{c.h + r * std::cos(a) + jitter(rng) / 3, c.v + r * std::sin(a) + jitter(rng) / 3};
        }
        if (how == 4 && pieces_.size() > 1) {   // where two chords cross
            const auto& [p, q] = pieces_[rng() % pieces_.size()];
            const auto& [e, f] = pieces_[rng() % pieces_.size()];
            if (qzv::SegmentsCross(p, q, e, f)) {
                const RealPoint x = qzv::IntersectLines(p, q, e, f);
                return RealPoint{x.h + jitter(rng) / 2, x.v + jitter(rng) / 2};
            }
        }
        if (how == 0 && !anchors_.empty()) {
            const RealPoint a = anchors_[rng() % anchors_.size()];
            return RealPoint{a.h + jitter(rng), a.v + jitter(rng)};
        }
        if (how == 1 && !pieces_.empty()) {   // along a piece's chord: segments, crossings
            const auto& [p, q] = pieces_[rng() % pieces_.size()];
            const float u = t(rng);
            return RealPoint{p.h + u * (q.h - p.h) + jitter(rng) / 2, p.v + u * (q.v - p.v) + jitter(rng) / 2};
        }
        return RealPoint{coord(rng), coord(rng)};
    }

    // A change a user or a plug-in makes between two searches, through the
    // host's suites as they would: the search's index must follow it.
    void RandomEdit(std::mt19937& rng) {
        if (paths_.empty()) return;
        std::uniform_real_distribution<float> step(-30, 30);
        const size_t which = rng() % paths_.size();
        const ArtHandle art = paths_[which];
        if (!qzv::sArt->ValidArt(art)) return;
        int32_t n = 0;
        qzv::sPath->GetPathSegmentCount(art, &n);
        std::vector<PathSegment> segs(static_cast<size_t>(n));
        if (n > 0) qzv::sPath->GetPathSegments(art, 0, n, segs.data());
        switch (rng() % 16) {
            case 0: {   // moved
                const float dh = step(rng), dv = step(rng);
                for (PathSegment& g : segs)
                    for (RealPoint* q : {&g.p, &g.in, &g.out}) *q = RealPoint{q->h + dh, q->v + dv};
                if (n > 0) qzv::sPath->SetPathSegments(art, 0, n, segs.data());
                break;
            }
            case 1: {   // hidden or shown, locked or unlocked
                int32_t attr = 0;
                qzv::sArt->GetArtUserAttr(art, kArtHidden | kArtLocked, &attr);
                qzv::sArt->SetArtUserAttr(art, kArtHidden | kArtLocked, attr ? 0 : (rng() % 2 ? kArtHidden : kArtLocked));
                break;
            }
            case 2:     // under construction, or no longer
                if (qzv::sTag->RemoveTag(art, "qzv") != kNoErr) qzv::sTag->SetTag(art, "qzv", kTagTypeString, "jj");
                break;
            case 3:     // re-editable, or no longer
                if (qzv::sTag->RemoveTag(art, "modif") != kNoErr) qzv::sTag->SetTag(art, "modif", kTagTypeString, "jj");
                break;
            case 4: {   // grown by two anchors
                qzv::sPath->SetPathSegmentCount(art, n + 2);
                const RealPoint last = n > 0 ? segs.back().p : RealPoint{200, 200};
                const PathSegment more[2] = {Corner({last.h + step(rng), last.v + step(rng)}),
                                             Corner({last.h + step(rng), last.v + step(rng)})};
                qzv::sPath->SetPathSegments(art, n, 2, more);
                break;
            }
            case 5:     // shortened
                if (n > 0) qzv::sPath->SetPathSegmentCount(art, n - 1);
                break;
            case 6: {   // a guide, or no longer; closed or open
                HostBool flag = 0;
                qzv::sPath->GetPathGuide(art, &flag);
                qzv::sPath->SetPathGuide(art, !flag);
                qzv::sPath->GetPathClosed(art, &flag);
                qzv::sPath->SetPathClosed(art, !flag);
                break;
            }
            case 7:     // deleted
                DocumentDisposeArt(art);
                paths_.erase(paths_.begin() + static_cast<long>(which));
                break;
            case 8: {   // a line made under construction: passed over until its mark goes (case 2)
                const Layer* layer = DocumentLayerById(TheDocument().currentLayer);
                const RealPoint a{200 + step(rng) * 5, 200 + step(rng) * 5};
                const ArtHandle line = NewPath(ArtHandleOf(layer->group), {Corner(a), Corner({a.h, a.v + step(rng)})}, false);
                qzv::sTag->SetTag(line, "qzv", kTagTypeString, "jj");
                paths_.push_back(line);
                break;
            }
            case 9: {   // a group of two lines beside the art
                const Layer* layer = DocumentLayerById(TheDocument().currentLayer);
                ArtHandle group = nullptr;
                ASSERT_EQ(DocumentNewArt(kArtGroup, kPlaceInsideOnTop, ArtHandleOf(layer->group), &group), kNoErr);
                groups_.push_back(group);
                for (int k = 0; k < 2; ++k) {
                    const RealPoint a{200 + step(rng) * 5, 200 + step(rng) * 5};
                    paths_.push_back(NewPath(group, {Corner(a), Corner({a.h + step(rng), a.v + step(rng)})}, false));
                }
                break;
            }
            case 10:    // a group disposed of with its paths
                if (!groups_.empty()) {
                    const size_t g = rng() % groups_.size();
                    DocumentDisposeArt(groups_[g]);
                    groups_.erase(groups_.begin() + static_cast<long>(g));
                }
                break;
            case 11: {  // a copy just above the original
                ArtHandle copy = nullptr;
                if (DocumentDuplicateArt(art, kPlaceAbove, art, &copy) == kNoErr) paths_.push_back(copy);
                break;
            }
            case 12: {  // moved below or above another path, maybe into another layer
                const ArtHandle other = paths_[rng() % paths_.size()];
                if (other != art && qzv::sArt->ValidArt(other))
                    DocumentReorderArt(art, rng() % 2 ? kPlaceAbove : kPlaceBelow, other);
                break;
            }
            case 13:    // a group moved to the bottom of the current layer, its paths with it
                if (!groups_.empty()) {
                    const Layer* layer = DocumentLayerById(TheDocument().currentLayer);
                    DocumentReorderArt(groups_[rng() % groups_.size()], kPlaceInsideOnBottom, ArtHandleOf(layer->group));
                }
                break;
            case 14: {  // moved, then reshaped, before the next search (as a tool finishes a shape)
                const ArtHandle other = paths_[rng() % paths_.size()];
                if (other == art || !qzv::sArt->ValidArt(other)) break;
                DocumentReorderArt(art, kPlaceBelow, other);
                for (PathSegment& g : segs)
                    for (RealPoint* q : {&g.p, &g.in, &g.out}) q->v += 5;
                if (n > 0) qzv::sPath->SetPathSegments(art, 0, n, segs.data());
                break;
            }
            default: {  // a new line on the current layer, on top
                const Layer* layer = DocumentLayerById(TheDocument().currentLayer);
                const RealPoint a{200 + step(rng) * 5, 200 + step(rng) * 5};
                paths_.push_back(NewPath(ArtHandleOf(layer->group), {Corner(a), Corner({a.h + step(rng), a.v})}, false));
            }
        }
    }

    void RandomTools(std::mt19937& rng) {
        qzv::Globals& g = globals_;
        const int16_t tolerances[] = {0, 1, 3, 8, 30, 255};
        g.settings.general.Tolerance = tolerances[rng() % 6];
        const float zooms[] = {0.25f, 1.0f, 2.0f, 8.0f, 0.0f, -1.0f, std::nanf("")};
        TheDocument().view.zoom = zooms[rng() % 7];
        g.currentTool = rng() % 2 ? qzv::kToolCircle : qzv::kToolRect;
        g.tool.circleMode = rng() % 2 ? 0 : static_cast<int32_t>(rng() % 9);
        g.tool.rectMode = static_cast<int32_t>(rng() % 6);
        g.settings.working.LignePoly = rng() % 2;
        g.tool.circleContact1 = rng() % 3 == 0;
        g.tool.centre = RealPoint{static_cast<float>(rng() % 400), static_cast<float>(rng() % 400)};
        g.tool.art.rectPath = rng() % 2 && !paths_.empty() ? paths_[rng() % paths_.size()] : nullptr;
        g.annotation.finishingVertex = rng() % 2;
        TheDocument().cursorSnap = rng() % 5 != 0;
    }

    std::vector<RealPoint> anchors_;
    std::vector<std::pair<RealPoint, RealPoint>> pieces_;
    std::vector<ArtHandle> paths_;
    std::vector<ArtHandle> groups_;
    std::vector<std::pair<RealPoint, float>> circles_;
    std::vector<std::vector<PathSegment>> laid_;
};

constexpr long kDocuments = 200, kCursors = 200;

// The search reads the document itself when the host keeps no record of
// its changes (no basic suite to ask for it here), and through its index
// when it does: both give the reference's result.
class EquivalenceBothWays : public Equivalence, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        Equivalence::SetUp();
        qzv::sBasic = GetParam() ? HostBasicSuite() : nullptr;
    }
    void TearDown() override {
        qzv::SnapIndexFree(globals_.snapIndex);
        qzv::sBasic = nullptr;
        Equivalence::TearDown();
    }
};

INSTANTIATE_TEST_SUITE_P(Search, EquivalenceBothWays, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Indexed" : "ReadingTheDocument"; });

TEST_P(EquivalenceBothWays, TheSearchAgreesWithItsReferenceBitForBit) {
    std::mt19937 rng(20261208);
    std::array<long, kBranchCount> branches{};
    long compared = 0;
    for (int document = 0; document < kDocuments; ++document) {
        BuildDocument(rng);
        for (int i = 0; i < kCursors; ++i) {
            // Edits between searches now and then, sometimes more than the
            // host's record of changes holds at once.
            if (rng() % 4 == 0) RandomEdit(rng);
            if (rng() % 97 == 0)
                for (int k = 0; k < 40; ++k) RandomEdit(rng);
            RandomTools(rng);
            const bool dragging = rng() % 2;
            const RealPoint cursor = RandomCursor(rng);
            const qzv::Globals before = globals_;
            const int32_t cursorBefore = DlgCurrentCursor();
            const ReferenceOutcome expected = ReferenceScan(before, cursor, dragging, cursorBefore, branches);
            ToolMessage message{};
            message.d.plugin = plugin_;
            message.cursor = cursor;
            if (dragging) qzv::SearchSnapTargetsWhileDragging(&message);
            else qzv::SearchSnapTargets(&message);
            const std::string field = Difference(globals_.snap, expected.snap);
            ASSERT_EQ(field, "") << "document " << document << " cursor " << i << " (" << cursor.h << ", "
                                 << cursor.v << ") " << (dragging ? "drag" : "track");
            ASSERT_EQ(DlgCurrentCursor(), expected.cursor) << document << " " << i;
            ASSERT_TRUE(SameBits(globals_.tool.annotationBox, expected.annotationBox)) << document << " " << i;
            ASSERT_TRUE(TheDocument().matching.empty()) << "the art list was kept: " << document << " " << i;
            ++compared;
        }
    }
    EXPECT_EQ(compared, kDocuments * kCursors);
    EXPECT_EQ(globals_.snapIndex.valid, GetParam()) << "the search did not take the way under test";
    // Every way through the scan was taken: the comparison did not pass by
    // finding nothing everywhere.
    for (int k = 0; k < kBranchCount; ++k) {
        EXPECT_GT(branches[k], 0) << "never reached: " << kBranchNames[k];
        std::printf("  %-42s %ld\n", kBranchNames[k], branches[k]);
    }
}

}  // namespace
}  // namespace snap_test

namespace snap_test {
namespace {

// Real drawings: icons of a Debian icon theme opened by drawhost's SVG
// reader (curves from arcs and smooth commands, shapes behind shapes,
// gradients made plain), searched at cursors near their anchors, along
// their pieces and at crossings, with the same edits between searches.
TEST_P(EquivalenceBothWays, OnRealDrawingsTheSearchAgreesWithItsReference) {
    namespace fs = std::filesystem;
    const fs::path folder = "/usr/share/icons/Tango/scalable";
    ASSERT_TRUE(fs::is_directory(folder)) << "scripts/install-deps.sh installs tango-icon-theme";
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".svg") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_GT(files.size(), 100u);
    std::mt19937 rng(8122026);
    std::array<long, kBranchCount> branches{};
    long compared = 0, opened = 0;
    for (size_t f = 0; f < files.size(); f += files.size() / 16) {
        SvgOpenReport report;
        std::string error;
        ASSERT_TRUE(DocumentOpenSvg(files[f].string(), &report, &error)) << error;
        ++opened;
        anchors_.clear();
        pieces_.clear();
        circles_.clear();
        paths_.clear();
        groups_.clear();
        for (const Art* art : DocumentPathsInPaintOrder()) {
            paths_.push_back(ArtHandleOf(art->id));
            for (size_t k = 0; k < art->segments.size(); ++k) {
                anchors_.push_back(art->segments[k].p);
                if (k + 1 < art->segments.size()) pieces_.push_back({art->segments[k].p, art->segments[k + 1].p});
            }
        }
        for (int i = 0; i < 400; ++i) {
            if (rng() % 8 == 0) RandomEdit(rng);
            RandomTools(rng);
            TheDocument().view.zoom = 4.0f;   // the icons are 36 points wide
            const bool dragging = rng() % 2;
            const RealPoint cursor = RandomCursor(rng);
            const qzv::Globals before = globals_;
            const ReferenceOutcome expected = ReferenceScan(before, cursor, dragging, DlgCurrentCursor(), branches);
            ToolMessage message{};
            message.d.plugin = plugin_;
            message.cursor = cursor;
            if (dragging) qzv::SearchSnapTargetsWhileDragging(&message);
            else qzv::SearchSnapTargets(&message);
            ASSERT_EQ(Difference(globals_.snap, expected.snap), "") << files[f] << " cursor " << i;
            ASSERT_EQ(DlgCurrentCursor(), expected.cursor) << files[f] << " " << i;
            ++compared;
        }
    }
    EXPECT_GE(opened, 16);
    EXPECT_EQ(globals_.snapIndex.valid, GetParam());
    // Real art is found: anchors, curves and crossings, not only empty space.
    for (int k : {4, 5, 7, 9, 15})
        EXPECT_GT(branches[k], 0) << "never reached on real drawings: " << kBranchNames[k];
}

}  // namespace
}  // namespace snap_test
