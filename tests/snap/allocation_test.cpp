// The snap search runs on every mouse event and allocates nothing of its
// own. Every allocation of this test program is counted while a search
// runs, except inside the host's calls (the host may allocate, for its art
// list or its log): the suites the search reaches are served through
// wrappers that pause the count around the host's own work.
#include <cstdlib>
#include <new>
#include <random>
#include <type_traits>

#include "document/document.h"
#include "frame/host.h"
#include "host/suites.h"
#include "search_fixture.h"
#include "snap/snap_index.h"
#include "snap/snap_search.h"

namespace {

bool gCounting = false;
long gAllocations = 0;

void* Allocate(std::size_t n) {
    if (gCounting) ++gAllocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return Allocate(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace snap_test {
namespace {

// The host's own work, not counted.
struct HostCall {
    bool was = gCounting;
    HostCall() { gCounting = false; }
    ~HostCall() { gCounting = was; }
};

template <typename Suite>
const Suite* gReal = nullptr;

template <auto Member>
struct Paused;
template <typename Suite, typename R, typename... A, R (*Suite::*Member)(A...)>
struct Paused<Member> {
    static R Call(A... a) {
        HostCall pause;
        return (gReal<Suite>->*Member)(a...);
    }
};

// A copy of a suite whose listed functions pause the count, bound in place
// of the host's for the test's life.
template <typename Suite>
struct Wrapped {
    Suite copy;
    const Suite*& slot;
    Wrapped(const Suite*& s) : copy(*s), slot(s) {
        gReal<Suite> = s;
        slot = &copy;
    }
    ~Wrapped() { slot = gReal<Suite>; }
};
#define PAUSE(wrapped, member) \
    (wrapped).copy.member = &Paused<&std::remove_reference_t<decltype((wrapped).copy)>::member>::Call

class Allocation : public SearchTest {};

TEST_F(Allocation, TheCountSeesAnAllocation) {
    gAllocations = 0;
    gCounting = true;
    int* p = new int(3);
    gCounting = false;
    delete p;
    EXPECT_EQ(gAllocations, 1);
}

TEST_F(Allocation, NoSearchAllocates) {
    // Every kind of art the scan meets.
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> coord(0, 300);
    for (int i = 0; i < 20; ++i) {
        const RealPoint p{coord(rng), coord(rng)};
        Line({p, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}}, i % 3 == 0);
        const ArtHandle c = Circle(p, 5 + static_cast<float>(i));
        if (i % 2) qzv::sTag->SetTag(c, "modif", kTagTypeString, "1");
        Path({{p, p, {p.h + 40, p.v}, 0}, {{p.h + 60, p.v + 30}, {p.h + 60, p.v}, {p.h + 60, p.v + 50}, 0}});
    }
    const ArtHandle polyline = Line({{10, 10}, {50, 10}, {50, 50}});
    qzv::sTag->SetTag(polyline, "qzv", kTagTypeString, "1");

    Wrapped view(qzv::sDocumentView);
    PAUSE(view, GetNthView);
    PAUSE(view, GetZoom);
    PAUSE(view, ArtworkPointToViewPoint);
    Wrapped snap(qzv::sCursorSnap);
    PAUSE(snap, UseCursorSnap);
    Wrapped path(qzv::sPath);
    PAUSE(path, GetPathSegmentCount);
    PAUSE(path, GetPathSegments);
    PAUSE(path, GetPathClosed);
    PAUSE(path, GetPathGuide);
    Wrapped art(qzv::sArt);
    PAUSE(art, GetLayerOfArt);
    PAUSE(art, GetArtUserAttr);
    PAUSE(art, ValidArt);
    Wrapped layer(qzv::sLayer);
    PAUSE(layer, GetLayerVisible);
    Wrapped tag(qzv::sTag);
    PAUSE(tag, GetTag);
    Wrapped matching(qzv::sMatchingArt);
    PAUSE(matching, GetMatchingPaths);
    PAUSE(matching, ReleaseMatchingArt);
    Wrapped bezier(qzv::sRealBezier);
    PAUSE(bezier, PointAt);
    Wrapped dialogs(qzv::sDlgBasic);
    PAUSE(dialogs, SetPlatformCursor);

    // Reading every path from the host, then through the index kept of
    // them (built by the first search, through the host's block allocator,
    // and only brought up to date after that).
    Wrapped basic(qzv::sBasic = drawhost::HostBasicSuite());
    PAUSE(basic, AcquireSuite);
    PAUSE(basic, ReleaseSuite);
    const BasicSuite* withBasic = qzv::sBasic;
    for (const bool indexed : {false, true}) {
        qzv::sBasic = indexed ? withBasic : nullptr;
        ToolMessage first{};
        first.d.plugin = plugin_;
        qzv::SearchSnapTargets(&first);
        ASSERT_EQ(globals_.snapIndex.valid, indexed);
        long found = 0;
        for (int i = 0; i < 2000; ++i) {
            globals_.currentTool = i % 3 == 0 ? qzv::kToolRect : qzv::kToolCircle;
            globals_.tool.rectMode = 2;
            globals_.settings.working.LignePoly = true;
            globals_.tool.art.rectPath = polyline;
            globals_.tool.circleMode = i % 2 ? qzv::kCircleCentreRadius : qzv::kCircleTwoPoints;
            globals_.tool.circleContact1 = i % 5 == 0;
            ToolMessage message{};
            message.d.plugin = plugin_;
            message.cursor = RealPoint{coord(rng), coord(rng)};
            gAllocations = 0;
            gCounting = true;
            if (i % 2) qzv::SearchSnapTargets(&message);
            else qzv::SearchSnapTargetsWhileDragging(&message);
            gCounting = false;
            ASSERT_EQ(gAllocations, 0) << "search " << i;
            const qzv::SnapResult& s = globals_.snap;
            if (s.onPoint || s.onSegment || s.onArc || s.onCurve) ++found;
        }
        EXPECT_GT(found, 100);   // the searches found things, not only empty space
    }
    qzv::sBasic = withBasic;
    qzv::SnapIndexFree(globals_.snapIndex);
}

}  // namespace
}  // namespace snap_test
