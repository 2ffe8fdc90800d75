// The art suite and the layer suite on the document: placement codes,
// disposal and stale handles, moves, duplicates, attributes and layers.
#include <cstring>

#include "doc_test.h"

namespace doc_test {
namespace {

using ArtTree = DocTest;

TEST_F(ArtTree, FreshDocumentHasOneEmptyEditableVisibleCurrentLayer) {
    int32_t count = 0;
    ASSERT_EQ(kNoErr, layer->CountLayers(&count));
    EXPECT_EQ(1, count);
    LayerHandle first = nullptr, current = nullptr;
    ASSERT_EQ(kNoErr, layer->GetNthLayer(0, &first));
    ASSERT_EQ(kNoErr, layer->GetCurrentLayer(&current));
    EXPECT_EQ(first, current);
    char title[32];
    ASSERT_EQ(kNoErr, layer->GetLayerTitle(first, title, sizeof title));
    EXPECT_STREQ("Calque 1", title);
    HostBool editable = 0, visible = 0;
    layer->GetLayerEditable(first, &editable);
    layer->GetLayerVisible(first, &visible);
    EXPECT_TRUE(editable && visible);
    ArtHandle group = Root(), parent = reinterpret_cast<ArtHandle>(1);
    int32_t kind = 0;
    ASSERT_EQ(kNoErr, art->GetArtType(group, &kind));
    EXPECT_EQ(kArtGroup, kind);
    ASSERT_EQ(kNoErr, art->GetArtParent(group, &parent));
    EXPECT_EQ(nullptr, parent);
    EXPECT_TRUE(Children(group).empty());
}

TEST_F(ArtTree, EveryPlacementCodePutsTheArtWhereItSays) {
    ArtHandle root = Root();
    ArtHandle a = New(kArtPath, kPlaceInsideOnTop, root);
    ArtHandle b = New(kArtPath, kPlaceInsideOnTop, root);        // [a b]
    ArtHandle c = New(kArtPath, kPlaceAbove, a);                 // [a c b]
    ArtHandle d = New(kArtPath, kPlaceBelow, a);                 // [d a c b]
    ArtHandle e = New(kArtGroup, kPlaceInsideOnBottom, root);    // [e d a c b]
    EXPECT_EQ((std::vector<ArtHandle>{e, d, a, c, b}), Children(root));

    ArtHandle inTop = New(kArtPath, kPlaceInsideOnTop, e);
    ArtHandle inBottom = New(kArtPath, kPlaceInsideOnBottom, e);
    EXPECT_EQ((std::vector<ArtHandle>{inBottom, inTop}), Children(e));
    ArtHandle parent = nullptr;
    ASSERT_EQ(kNoErr, art->GetArtParent(inTop, &parent));
    EXPECT_EQ(e, parent);

    ArtHandle prior = nullptr;
    ASSERT_EQ(kNoErr, art->GetArtPriorSibling(a, &prior));
    EXPECT_EQ(d, prior);
    ASSERT_EQ(kNoErr, art->GetArtPriorSibling(e, &prior));
    EXPECT_EQ(nullptr, prior);

    // A null reference means the current layer: above/inside on top go on top.
    ArtHandle top = New(kArtPath, kPlaceAbove, nullptr);
    ArtHandle bottom = New(kArtPath, kPlaceInsideOnBottom, nullptr);
    auto kids = Children(root);
    EXPECT_EQ(top, kids.back());
    EXPECT_EQ(bottom, kids.front());
}

TEST_F(ArtTree, ImpossiblePlacementsAreRefusedAndCreateNothing) {
    ArtHandle root = Root();
    ArtHandle p = NewPathIn(root);
    ArtHandle out = nullptr;
    EXPECT_EQ(kErrBadParameter, art->NewArt(kArtPath, kPlaceInsideOnTop, p, &out));   // inside a path
    EXPECT_EQ(kErrBadParameter, art->NewArt(kArtPath, kPlaceAbove, root, &out));       // beside a layer group
    EXPECT_EQ(kErrBadParameter, art->NewArt(kArtPath, 0, root, &out));
    EXPECT_EQ(kErrBadParameter, art->NewArt(kArtPath, kLayerPlaceAbove, root, &out));
    EXPECT_EQ(kErrBadParameter, art->NewArt(3, kPlaceInsideOnTop, root, &out));
    EXPECT_EQ(kErrBadParameter, art->NewArt(kArtPath, kPlaceInsideOnTop, root, nullptr));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(1u, Children(root).size());
}

TEST_F(ArtTree, DisposeTakesTheChildrenAndEveryLaterCallFails) {
    ArtHandle root = Root();
    ArtHandle group = New(kArtGroup, kPlaceInsideOnTop, root);
    ArtHandle inner = New(kArtGroup, kPlaceInsideOnTop, group);
    ArtHandle leaf = NewPathIn(inner);
    ArtHandle keep = NewPathIn(root);
    ASSERT_EQ(kNoErr, tag->SetTag(leaf, "qzv", kTagTypeString, "jj"));

    ASSERT_EQ(kNoErr, art->DisposeArt(group));
    EXPECT_EQ((std::vector<ArtHandle>{keep}), Children(root));
    for (ArtHandle gone : {group, inner, leaf}) {
        EXPECT_FALSE(art->ValidArt(gone));
        ArtHandle h = nullptr;
        int32_t i = 0;
        char buf[8];
        LayerHandle l = nullptr;
        RealRect r;
        EXPECT_EQ(kErrBadArt, art->DisposeArt(gone));
        EXPECT_EQ(kErrBadArt, art->GetArtType(gone, &i));
        EXPECT_EQ(kErrBadArt, art->GetArtParent(gone, &h));
        EXPECT_EQ(kErrBadArt, art->GetArtFirstChild(gone, &h));
        EXPECT_EQ(kErrBadArt, art->GetArtSibling(gone, &h));
        EXPECT_EQ(kErrBadArt, art->GetLayerOfArt(gone, &l));
        EXPECT_EQ(kErrBadArt, art->SetArtName(gone, "x"));
        EXPECT_EQ(kErrBadArt, art->GetArtName(gone, buf, sizeof buf));
        EXPECT_EQ(kErrBadArt, art->SetArtUserAttr(gone, kArtHidden, kArtHidden));
        EXPECT_EQ(kErrBadArt, art->GetArtBounds(gone, &r));
        EXPECT_EQ(kErrBadArt, art->ReorderArt(gone, kPlaceInsideOnTop, root));
        EXPECT_EQ(kErrBadArt, art->DuplicateArt(gone, kPlaceInsideOnTop, root, &h));
        EXPECT_EQ(kErrBadArt, art->NewArt(kArtPath, kPlaceAbove, gone, &h));   // as a reference too
        EXPECT_EQ(kErrBadArt, path->GetPathSegmentCount(gone, &i));
        EXPECT_EQ(kErrBadArt, path->SetPathSegmentCount(gone, 3));
        EXPECT_EQ(kErrBadArt, tag->GetTag(gone, "qzv", buf, sizeof buf));
    }
    // A layer group lives as long as its layer.
    EXPECT_EQ(kErrBadParameter, art->DisposeArt(root));
    EXPECT_TRUE(art->ValidArt(root));
}

TEST_F(ArtTree, ForeignAndStaleHandlesAreLookedUpNotFollowed) {
    int local = 0;
    ArtHandle garbage[] = {reinterpret_cast<ArtHandle>(uintptr_t{0xdeadbeef}), reinterpret_cast<ArtHandle>(&local),
                           reinterpret_cast<ArtHandle>(uintptr_t{1}), reinterpret_cast<ArtHandle>(~uintptr_t{0}),
                           nullptr};
    for (ArtHandle g : garbage) {
        EXPECT_FALSE(art->ValidArt(g));
        int32_t kind = 0;
        EXPECT_EQ(kErrBadArt, art->GetArtType(g, &kind));
        EXPECT_EQ(kErrBadArt, path->SetPathSegments(g, 0, 0, nullptr));
    }
    // A layer handle is not an art handle, and the other way round.
    LayerHandle current = nullptr;
    layer->GetCurrentLayer(&current);
    EXPECT_FALSE(art->ValidArt(reinterpret_cast<ArtHandle>(current)));
    char buf[8];
    EXPECT_EQ(kErrBadLayer, layer->GetLayerTitle(reinterpret_cast<LayerHandle>(Root()), buf, sizeof buf));

    // Handles of an earlier document stay invalid in the next one.
    ArtHandle old = NewPathIn(Root());
    drawhost::HostReset();
    EXPECT_FALSE(art->ValidArt(old));
    EXPECT_EQ(kErrBadLayer, layer->SetCurrentLayer(current));
}

TEST_F(ArtTree, ReorderMovesWithinAndAcrossGroupsButNeverIntoItself) {
    ArtHandle root = Root();
    ArtHandle a = NewPathIn(root);
    ArtHandle b = NewPathIn(root);
    ArtHandle c = NewPathIn(root);
    ArtHandle g = New(kArtGroup, kPlaceInsideOnTop, root);   // [a b c g]

    ASSERT_EQ(kNoErr, art->ReorderArt(a, kPlaceAbove, c));   // [b c a g]: removal shifts the index
    EXPECT_EQ((std::vector<ArtHandle>{b, c, a, g}), Children(root));
    ASSERT_EQ(kNoErr, art->ReorderArt(g, kPlaceBelow, b));   // [g b c a]
    EXPECT_EQ((std::vector<ArtHandle>{g, b, c, a}), Children(root));
    ASSERT_EQ(kNoErr, art->ReorderArt(c, kPlaceInsideOnBottom, g));
    ASSERT_EQ(kNoErr, art->ReorderArt(a, kPlaceInsideOnBottom, g));
    EXPECT_EQ((std::vector<ArtHandle>{a, c}), Children(g));
    // Out of the group to just above it, as the tools finish a shape.
    ASSERT_EQ(kNoErr, art->ReorderArt(c, kPlaceAbove, g));
    EXPECT_EQ((std::vector<ArtHandle>{g, c, b}), Children(root));

    ArtHandle inner = New(kArtGroup, kPlaceInsideOnTop, g);
    EXPECT_EQ(kErrBadParameter, art->ReorderArt(g, kPlaceInsideOnTop, g));
    EXPECT_EQ(kErrBadParameter, art->ReorderArt(g, kPlaceInsideOnTop, inner));
    EXPECT_EQ(kErrBadParameter, art->ReorderArt(root, kPlaceInsideOnTop, g));
    EXPECT_EQ((std::vector<ArtHandle>{a, inner}), Children(g));
}

TEST_F(ArtTree, DuplicateCopiesTheWholeTreeWithTagsStyleAndNames) {
    ArtHandle root = Root();
    ArtHandle g = New(kArtGroup, kPlaceInsideOnTop, root);
    ArtHandle p = NewPathIn(g);
    PathSegment segs[] = {Corner(0, 0), Corner(10, 0), Corner(10, 10)};
    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 3));
    ASSERT_EQ(kNoErr, path->SetPathSegments(p, 0, 3, segs));
    ASSERT_EQ(kNoErr, path->SetPathClosed(p, 1));
    PathStyle red{};
    red.strokePaint = 1;
    red.stroke.color.kind = kPaintRGB;
    red.stroke.color.red = 1;
    red.stroke.width = 3;
    ASSERT_EQ(kNoErr, style->SetPathStyle(p, &red));
    ASSERT_EQ(kNoErr, tag->SetTag(p, "modif", kTagTypeString, "1"));
    ASSERT_EQ(kNoErr, art->SetArtName(g, "Cercle 1"));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(g, kArtSelected, kArtSelected));

    ArtHandle copy = nullptr;
    ASSERT_EQ(kNoErr, art->DuplicateArt(g, kPlaceAbove, g, &copy));
    EXPECT_EQ((std::vector<ArtHandle>{g, copy}), Children(root));
    char name[16];
    art->GetArtName(copy, name, sizeof name);
    EXPECT_STREQ("Cercle 1", name);
    int32_t attr = -1;
    art->GetArtUserAttr(copy, kArtSelected, &attr);
    EXPECT_EQ(0, attr) << "a copy starts unselected";

    auto kids = Children(copy);
    ASSERT_EQ(1u, kids.size());
    ArtHandle pc = kids[0];
    EXPECT_NE(p, pc);
    char value[8];
    ASSERT_EQ(kNoErr, tag->GetTag(pc, "modif", value, sizeof value));
    EXPECT_STREQ("1", value);
    PathStyle got{};
    style->GetPathStyle(pc, &got);
    EXPECT_EQ(3.0f, got.stroke.width);
    EXPECT_EQ(kPaintRGB, got.stroke.color.kind);
    PathSegment back[3];
    ASSERT_EQ(kNoErr, path->GetPathSegments(pc, 0, 3, back));
    EXPECT_EQ(10.0f, back[2].p.v);
    HostBool closed = 0;
    path->GetPathClosed(pc, &closed);
    EXPECT_TRUE(closed);

    // The copy is independent: changing it leaves the original alone.
    ASSERT_EQ(kNoErr, tag->RemoveTag(pc, "modif"));
    EXPECT_EQ(kNoErr, tag->GetTag(p, "modif", value, sizeof value));
    ASSERT_EQ(kNoErr, art->DisposeArt(copy));
    EXPECT_TRUE(art->ValidArt(p));
}

TEST_F(ArtTree, LockedLayerTakesNoNewArt) {
    ASSERT_EQ("", drawhost_test::RunLines({"layer Verrou locked"}));
    ArtHandle out = nullptr;
    EXPECT_EQ(kErrLocked, art->NewArt(kArtPath, kPlaceInsideOnTop, Root(), &out));
    EXPECT_TRUE(Children(Root()).empty());
}

TEST_F(ArtTree, UserAttributesChangeOnlyTheMaskedBits) {
    ArtHandle p = NewPathIn(Root());
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(p, kArtLocked | kArtHidden, kArtHidden | kArtSelected));
    int32_t attr = 0;
    art->GetArtUserAttr(p, kArtLocked | kArtHidden | kArtSelected, &attr);
    EXPECT_EQ(kArtHidden, attr) << "selected was outside the mask";
    art->SetArtUserAttr(p, kArtSelected, kArtSelected);
    art->GetArtUserAttr(p, kArtHidden, &attr);
    EXPECT_EQ(kArtHidden, attr);
    ASSERT_EQ(kNoErr, path->DeselectPathSegments(p));
    art->GetArtUserAttr(p, kArtSelected | kArtHidden, &attr);
    EXPECT_EQ(kArtHidden, attr);
}

TEST_F(ArtTree, NamesCentrePointsAndBounds) {
    ArtHandle p = NewPathIn(Root());
    char small[4];
    ASSERT_EQ(kNoErr, art->SetArtName(p, "Arc/Secteur 1"));
    ASSERT_EQ(kNoErr, art->GetArtName(p, small, sizeof small));
    EXPECT_STREQ("Arc", small);
    EXPECT_EQ(kErrBadParameter, art->GetArtName(p, small, 0));
    EXPECT_EQ(kErrBadParameter, art->SetArtName(p, nullptr));

    HostBool visible = 1;
    art->GetArtCenterPointVisible(p, &visible);
    EXPECT_FALSE(visible);
    art->SetArtCenterPointVisible(p, 1);
    art->GetArtCenterPointVisible(p, &visible);
    EXPECT_TRUE(visible);

    RealRect r{};
    EXPECT_EQ(kErrNotFound, art->GetArtBounds(p, &r)) << "no segments, no bounds";
    // One cubic bulging up: (0,0) -> (10,0) with handles at height 10. Its
    // top is B(1/2).v = 3/8·10 + 3/8·10 = 7.5, not the handles' 10.
    PathSegment s[] = {{{0, 0}, {0, 0}, {0, 10}, 0}, {{10, 0}, {10, 10}, {10, 0}, 0}};
    path->SetPathSegmentCount(p, 2);
    path->SetPathSegments(p, 0, 2, s);
    ASSERT_EQ(kNoErr, art->GetArtBounds(p, &r));
    EXPECT_FLOAT_EQ(0, r.left);
    EXPECT_FLOAT_EQ(10, r.right);
    EXPECT_FLOAT_EQ(7.5f, r.top);
    EXPECT_FLOAT_EQ(0, r.bottom);
}

TEST_F(ArtTree, LayersInsertAboveAndBelowAndTheLayerOfAnArt) {
    LayerHandle base = nullptr, above = nullptr, below = nullptr, top = nullptr;
    layer->GetCurrentLayer(&base);
    ASSERT_EQ(kNoErr, layer->InsertLayer(base, kLayerPlaceAbove, &above));
    ASSERT_EQ(kNoErr, layer->InsertLayer(base, kLayerPlaceBelow, &below));
    ASSERT_EQ(kNoErr, layer->InsertLayer(nullptr, kLayerPlaceAbove, &top));
    LayerHandle order[4];
    for (int i = 0; i < 4; ++i) ASSERT_EQ(kNoErr, layer->GetNthLayer(i, &order[i]));
    EXPECT_EQ(top, order[0]);
    EXPECT_EQ(above, order[1]);
    EXPECT_EQ(base, order[2]);
    EXPECT_EQ(below, order[3]);
    LayerHandle none = nullptr;
    EXPECT_EQ(kErrNotFound, layer->GetNthLayer(4, &none));
    EXPECT_EQ(kErrBadParameter, layer->GetNthLayer(-1, &none));
    EXPECT_EQ(kErrBadParameter, layer->InsertLayer(base, kPlaceAbove, &none));

    LayerHandle current = nullptr;
    layer->GetCurrentLayer(&current);
    EXPECT_EQ(base, current) << "inserting does not change the current layer";
    ASSERT_EQ(kNoErr, layer->SetCurrentLayer(above));
    ArtHandle p = NewPathIn(Root());
    LayerHandle of = nullptr;
    ASSERT_EQ(kNoErr, art->GetLayerOfArt(p, &of));
    EXPECT_EQ(above, of);

    // A title is cut at a character boundary: "QZV•Vorn" in 5 bytes is
    // "QZV", the bullet's three bytes do not fit after it.
    ASSERT_EQ(kNoErr, layer->SetLayerTitle(above, "QZV\xE2\x80\xA2Vorn"));
    char title[5];
    ASSERT_EQ(kNoErr, layer->GetLayerTitle(above, title, sizeof title));
    EXPECT_STREQ("QZV", title);
}

}  // namespace
}  // namespace doc_test
