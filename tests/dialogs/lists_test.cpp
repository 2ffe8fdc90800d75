// Lists of popups and flyouts through the list and entry suites.
#include "dialog_test.h"

namespace dialog_test {
namespace {

class ListsTest : public DialogTest {
protected:
    std::string Texts(ListRef list) {
        std::string out;
        for (int32_t i = 0; i < S().list->NumberOfEntries(list); ++i) {
            char text[16];
            S().entry->GetText(S().list->IndexEntry(list, i), text, sizeof text);
            out += std::string(out.empty() ? "" : ",") + text;
        }
        return out;
    }
};

TEST_F(ListsTest, EntriesAreInsertedRemovedAndFoundByPositionOrId) {
    DialogRef d = MakeDialog("D");
    ListRef list = S().item->GetList(MakeItem(d, 19, kItemPopupList));
    EntryRef b = S().list->InsertEntry(list, 0);
    EntryRef c = S().list->InsertEntry(list, 99);   // past the end: appended
    EntryRef a = S().list->InsertEntry(list, 0);
    S().entry->SetText(a, "a");
    S().entry->SetText(b, "b");
    S().entry->SetText(c, "c");
    S().entry->SetID(b, 7);
    S().entry->SetID(c, 7);
    EXPECT_EQ(Texts(list), "a,b,c");
    EXPECT_EQ(S().entry->GetIndex(c), 2);
    EXPECT_EQ(S().list->FindEntry(list, 7), b);   // the first with that id
    EXPECT_EQ(S().list->IndexEntry(list, 3), nullptr);
    EXPECT_EQ(S().list->IndexEntry(list, -1), nullptr);

    S().list->RemoveEntry(list, 1);
    EXPECT_EQ(Texts(list), "a,c");
    EXPECT_EQ(S().entry->GetIndex(c), 1);
    EXPECT_EQ(S().entry->GetIndex(b), -1);   // gone: its handle names nothing
    EXPECT_EQ(S().entry->GetList(a), list);
}

TEST_F(ListsTest, OneEntryAtATimeIsSelectedAndIsThePopupsValue) {
    DialogRef d = MakeDialog("D");
    ItemRef popup = MakeItem(d, 19, kItemPopupList);
    ListRef list = S().item->GetList(popup);
    EntryRef a = S().list->InsertEntry(list, 0);
    EntryRef b = S().list->InsertEntry(list, 1);
    EXPECT_EQ(S().list->GetActiveEntry(list), nullptr);
    EXPECT_EQ(S().item->GetIntValue(popup), -1);

    S().entry->Select(a, 1);
    S().entry->Select(b, 1);
    EXPECT_FALSE(S().entry->IsSelected(a));
    EXPECT_EQ(S().list->GetActiveEntry(list), b);
    EXPECT_EQ(S().item->GetIntValue(popup), 1);
    S().item->SetIntValue(popup, 0);
    EXPECT_EQ(S().list->GetActiveEntry(list), a);
    S().entry->Select(a, 0);
    EXPECT_EQ(S().list->GetActiveEntry(list), nullptr);

    // Check marks are independent of the selection.
    S().entry->Check(a, 1);
    S().entry->Check(b, 1);
    EXPECT_TRUE(S().entry->IsChecked(a) && S().entry->IsChecked(b));
}

TEST_F(ListsTest, OnlyPopupsAndTheFlyoutHaveLists) {
    DialogRef d = MakeDialog("D");
    EXPECT_EQ(S().item->GetList(MakeItem(d, 1, kItemTextEdit)), nullptr);
    EXPECT_NE(S().item->GetList(MakeItem(d, 2, kItemSpinEditPopup)), nullptr);
    ListRef flyout = S().item->GetList(S().dialog->GetItem(d, kDlgFlyoutMenuItemID));
    ASSERT_NE(flyout, nullptr);
    // A menu resource needs the plug-in that owns it.
    EXPECT_EQ(S().list->SetMenuID(flyout, nullptr, 128), kErrBadHandle);
    EXPECT_EQ(S().list->NumberOfEntries(flyout), 0);
}

}  // namespace
}  // namespace dialog_test
