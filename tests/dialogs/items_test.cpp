// Items as a user meets them: typed values read in the field's units and
// held within its range, buttons, check boxes and radio groups, popups,
// refusals that leave everything as it was, and handles that were never
// handed out.
#include "dialog_test.h"

#include "frame/host.h"

namespace dialog_test {
namespace {

using drawhost_test::RunLines;

constexpr float kMm = 72 / 25.4f;   // points per millimetre

class ItemsTest : public DialogTest {};

TEST_F(ItemsTest, TypedLengthIsReadInMillimetresAndHeldWithinTheRange) {
    DialogRef d = MakeDialog("Réglages");
    ItemRef length = MakeItem(d, 17, kItemSpinEdit);
    S().item->SetUnits(length, kUnitsMillimeters);
    S().item->SetPrecision(length, 1);
    S().item->SetMinFloatValue(length, 0);
    S().item->SetMaxFloatValue(length, 10 * kMm);
    // The plug-in may set a value before the range that admits it.
    S().item->SetFloatValue(length, 100);
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(length), 100);

    ASSERT_EQ(RunLines({"item Réglages 17 4"}), "");
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(length), 4 * kMm);
    char text[32];
    S().item->GetText(length, text, sizeof text);
    EXPECT_STREQ(text, "4,0 mm");
    EXPECT_EQ(Seen(), std::vector<std::string>{"notify 17 changed"});

    ASSERT_EQ(RunLines({"item Réglages 17 15"}), "");
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(length), 10 * kMm);
    ASSERT_EQ(RunLines({"item Réglages 17 -3"}), "");
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(length), 0);
    ASSERT_EQ(RunLines({"item Réglages 17 \"0,1 in\""}), "");   // 2.54 mm
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(length), 7.2f);
    S().item->GetText(length, text, sizeof text);
    EXPECT_STREQ(text, "2,5 mm");

    // An entry the field cannot read: it shows its value again, says so in
    // the log and notifies nobody; the session goes on.
    EXPECT_EQ(RunLines({"item Réglages 17 douze"}), "");
    EXPECT_EQ(drawhost_test::LogLinesWith("'douze' is not a number").size(), 1u);
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(length), 7.2f);
    S().item->GetText(length, text, sizeof text);
    EXPECT_STREQ(text, "2,5 mm");
    EXPECT_EQ(Seen().size(), 4u);
}

// Two dialogs of one name (a dialog opened again before the first went
// away): script lines act on the one opened last.
TEST_F(ItemsTest, TwoDialogsOfOneNameTheNewerTakesTheLines) {
    DialogRef older = MakeDialog("Double");
    ItemRef olderField = MakeItem(older, 5, kItemSpinEdit);
    DialogRef newer = MakeDialog("Double");
    ItemRef newerField = MakeItem(newer, 5, kItemSpinEdit);
    ASSERT_EQ(RunLines({"item Double 5 12"}), "");
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(newerField), 12);
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(olderField), 0);
    S().dialog->Destroy(newer);
    ASSERT_EQ(RunLines({"item Double 5 7"}), "");
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(olderField), 7);
}

TEST_F(ItemsTest, UnknownDialogsItemsAndWrongKindsAreScriptErrors) {
    DialogRef d = MakeDialog("Réglages");
    S().dialog->SetText(d, "Settings");
    MakeItem(d, 16, kItemTextCheckBox);
    ItemRef field = MakeItem(d, 17, kItemSpinEdit);
    S().item->SetIntValue(field, 3);

    EXPECT_EQ(RunLines({"item Settings 17 4"}), "");   // a dialog is also known by its title
    EXPECT_EQ(S().item->GetIntValue(field), 4);
    EXPECT_NE(RunLines({"item Nulle 17 2"}).find("no dialog named 'Nulle'"), std::string::npos);
    EXPECT_NE(RunLines({"item Réglages 99 2"}).find("has no item 99"), std::string::npos);
    EXPECT_NE(RunLines({"item Réglages 16 1"}).find("takes no typed value"), std::string::npos);
    EXPECT_NE(RunLines({"check Réglages 17 on"}).find("check works on check boxes"), std::string::npos);
    EXPECT_NE(RunLines({"choose Réglages 17 Un"}).find("no popup list"), std::string::npos);
    EXPECT_EQ(S().item->GetIntValue(field), 4);
    EXPECT_FALSE(S().item->GetBooleanValue(S().dialog->GetItem(d, 16)));
}

TEST_F(ItemsTest, HiddenOrDisabledItemsAndHiddenDialogsRefuseInput) {
    DialogRef d = MakeDialog("Réglages");
    ItemRef field = MakeItem(d, 17, kItemSpinEdit);
    S().item->SetIntValue(field, 3);

    S().item->Enable(field, 0);
    EXPECT_NE(RunLines({"item Réglages 17 4"}).find("is disabled"), std::string::npos);
    S().item->Enable(field, 1);
    S().item->Show(field, 0);
    EXPECT_NE(RunLines({"item Réglages 17 4"}).find("is hidden"), std::string::npos);
    S().item->Show(field, 1);
    S().dialog->Show(d, 0);
    EXPECT_NE(RunLines({"item Réglages 17 4"}).find("dialog 'Réglages' is hidden"), std::string::npos);
    EXPECT_EQ(S().item->GetIntValue(field), 3);
    EXPECT_TRUE(Seen().empty());
}

TEST_F(ItemsTest, CheckBoxTogglesAndRadioButtonsMadeTogetherFormAGroup) {
    DialogRef d = MakeDialog("D");
    ItemRef box = MakeItem(d, 16, kItemTextCheckBox);
    ItemRef a = MakeItem(d, 14, kItemPictureRadioButton);
    ItemRef b = MakeItem(d, 15, kItemPictureRadioButton);
    MakeItem(d, 20, kItemTextStatic);
    ItemRef other = MakeItem(d, 21, kItemPictureRadioButton);   // another group
    S().item->SetBooleanValue(a, 1);
    S().item->SetBooleanValue(other, 1);

    ASSERT_EQ(RunLines({"press D 15"}), "");
    EXPECT_FALSE(S().item->GetBooleanValue(a));
    EXPECT_TRUE(S().item->GetBooleanValue(b));
    EXPECT_TRUE(S().item->GetBooleanValue(other));
    EXPECT_NE(RunLines({"check D 15 off"}).find("radio button"), std::string::npos);

    ASSERT_EQ(RunLines({"check D 16 on", "check D 16 on"}), "");   // the second changes nothing
    EXPECT_TRUE(S().item->GetBooleanValue(box));
    ASSERT_EQ(RunLines({"press D 16"}), "");
    EXPECT_FALSE(S().item->GetBooleanValue(box));
    EXPECT_EQ(Seen(), (std::vector<std::string>{"notify 15 changed", "notify 16 changed", "notify 16 changed"}));
}

TEST_F(ItemsTest, WholeNumberFieldsRoundWhatIsTypedAndTextFieldsKeepIt) {
    DialogRef d = MakeDialog("D");
    ItemRef count = MakeItem(d, 21, kItemTextEdit);
    S().item->SetMinFloatValue(count, 0);
    S().item->SetIntValue(count, 3);
    ItemRef name = MakeItem(d, 22, kItemTextEdit);

    ASSERT_EQ(RunLines({"item D 21 4,6", "item D 22 \"Jean Dupont\""}), "");
    EXPECT_EQ(S().item->GetIntValue(count), 5);
    char text[32];
    S().item->GetText(count, text, sizeof text);
    EXPECT_STREQ(text, "5");
    S().item->GetText(name, text, sizeof text);
    EXPECT_STREQ(text, "Jean Dupont");
    // Typing gives the field the focus.
    EXPECT_TRUE(S().item->IsActive(name));
    EXPECT_FALSE(S().item->IsActive(count));
}

TEST_F(ItemsTest, PopupEntriesAreChosenByTextFirstThenByPosition) {
    DialogRef d = MakeDialog("D");
    ItemRef popup = MakeItem(d, 19, kItemPopupList);
    ListRef list = S().item->GetList(popup);
    const char* texts[] = {"Un", "", "Deux", "Trois", "0"};
    for (int i = 0; i < 5; ++i) {
        EntryRef e = S().list->InsertEntry(list, 99);
        S().entry->SetID(e, 10 + i);
        S().entry->SetText(e, texts[i]);
    }
    S().entry->MakeSeparator(S().list->IndexEntry(list, 1), 1);
    S().entry->Enable(S().list->FindEntry(list, 13), 0);

    ASSERT_EQ(RunLines({"choose D 19 Deux"}), "");
    EXPECT_EQ(S().item->GetIntValue(popup), 2);
    ASSERT_EQ(RunLines({"choose D 19 0"}), "");   // the entry whose text is "0", not the first
    EXPECT_EQ(S().item->GetIntValue(popup), 4);
    ASSERT_EQ(RunLines({"choose D 19 @0"}), "");
    EXPECT_EQ(S().entry->GetID(S().list->GetActiveEntry(list)), 10);

    EXPECT_NE(RunLines({"choose D 19 @1"}).find("is a separator"), std::string::npos);
    EXPECT_NE(RunLines({"choose D 19 Trois"}).find("is disabled"), std::string::npos);
    EXPECT_NE(RunLines({"choose D 19 Quatre"}).find("no entry 'Quatre'"), std::string::npos);
    EXPECT_EQ(S().item->GetIntValue(popup), 0);
    EXPECT_EQ(Seen().size(), 3u);
}

TEST_F(ItemsTest, SpinEditPopupTakesTheChosenPresetWithinItsRange) {
    DialogRef d = MakeDialog("D");
    ItemRef angle = MakeItem(d, 18, kItemSpinEditPopup);
    S().item->SetUnits(angle, kUnitsDegrees);
    S().item->SetPrecision(angle, 0);
    S().item->SetMaxFloatValue(angle, 100);
    ListRef list = S().item->GetList(angle);
    S().entry->SetText(S().list->InsertEntry(list, 0), " 30°");
    S().entry->SetText(S().list->InsertEntry(list, 1), " 120°");

    ASSERT_EQ(RunLines({"choose D 18 30°"}), "");
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(angle), 30);
    ASSERT_EQ(RunLines({"choose D 18 \" 120°\""}), "");
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(angle), 100);
    char text[16];
    S().item->GetText(angle, text, sizeof text);
    EXPECT_STREQ(text, "100°");
}

TEST_F(ItemsTest, SpinArrowsStepByTheSmallOrLargeIncrementWithinTheRange) {
    DialogRef d = MakeDialog("D");
    ItemRef field = MakeItem(d, 8, kItemSpinEdit);
    S().item->SetSmallIncrement(field, 2);
    S().item->SetLargeIncrement(field, 10);
    S().item->SetMaxFloatValue(field, 15);
    ASSERT_EQ(RunLines({"step D 8 up", "step D 8 up large"}), "");
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(field), 12);
    ASSERT_EQ(RunLines({"step D 8 up large", "step D 8 down"}), "");
    EXPECT_FLOAT_EQ(S().item->GetFloatValue(field), 13);
}

TEST_F(ItemsTest, TrackProcedureGetsOnlyTheEventsOfItsMask) {
    DialogRef d = MakeDialog("D");
    ItemRef canvas = MakeItem(d, 12, kItemPictureStatic, {10, 10, 50, 50});
    S().item->SetTrackProc(canvas, RecordTrack);

    ASSERT_EQ(RunLines({"track D 12 down 3 4 160", "track D 12 move 5 5", "track D 12 up 3 4"}), "");
    EXPECT_EQ(Seen(), (std::vector<std::string>{"track 12 1 3,4 160", "track 12 3 3,4 0", "notify 12 changed"}));

    Seen().clear();
    S().item->SetMask(canvas, kTrackMaskAll);
    ASSERT_EQ(RunLines({"track D 12 move 5 5", "track D 12 down 1 1", "track D 12 up 90 90"}), "");
    // Released outside the item: no notification.
    EXPECT_EQ(Seen(), (std::vector<std::string>{"track 12 4 5,5 0", "track 12 1 1,1 0", "track 12 3 90,90 0"}));
}

TEST_F(ItemsTest, CloseBoxTellsTheDialogAndClosesIt) {
    DialogRef d = MakeDialog("Palette");
    S().dialog->SetNotifyProc(d, RecordDialogNotify);
    ASSERT_EQ(RunLines({"close Palette"}), "");
    EXPECT_EQ(Seen(), std::vector<std::string>{"close Palette"});
    EXPECT_FALSE(S().dialog->IsVisible(d));
    EXPECT_NE(RunLines({"close Palette"}).find("is hidden"), std::string::npos);

    // Sent by the plug-in itself, the notification only informs.
    S().dialog->Show(d, 1);
    S().dialog->SendNotify(d, kNotifyCloseHit);
    EXPECT_EQ(Seen().size(), 2u);
    EXPECT_TRUE(S().dialog->IsVisible(d));
}

TEST_F(ItemsTest, HandlesNeverHandedOutOrAlreadyGoneAreHarmless) {
    DialogRef d = MakeDialog("D");
    ItemRef field = MakeItem(d, 17, kItemSpinEdit);
    S().item->SetIntValue(field, 3);
    auto bogusItem = reinterpret_cast<ItemRef>(uintptr_t(0xdeadbee0));
    auto dialogAsItem = reinterpret_cast<ItemRef>(d);
    char text[8] = "x";

    for (ItemRef bad : {bogusItem, dialogAsItem}) {
        S().item->SetFloatValue(bad, 5);
        S().item->SetText(bad, "y");
        EXPECT_EQ(S().item->GetID(bad), 0);
        EXPECT_EQ(S().item->GetDialog(bad), nullptr);
        S().item->GetText(bad, text, sizeof text);
        EXPECT_STREQ(text, "");
    }
    EXPECT_EQ(S().dialog->GetItem(reinterpret_cast<DialogRef>(field), 17), nullptr);
    EXPECT_FALSE(S().notifier->IsNotifierType(reinterpret_cast<DlgNotifierRef>(field), kNotifyUserChanged));
    EXPECT_EQ(S().tracker->GetAction(reinterpret_cast<TrackerRef>(field)), 0);
    EXPECT_EQ(S().item->GetIntValue(field), 3);

    S().dialog->Destroy(d);
    EXPECT_EQ(S().dialog->GetItem(d, 17), nullptr);
    EXPECT_EQ(S().item->GetIntValue(field), 0);
    S().dialog->Destroy(d);   // twice: nothing
    EXPECT_NE(RunLines({"item D 17 4"}).find("no dialog named 'D'"), std::string::npos);
}

TEST_F(ItemsTest, DialogGroupIsKeptForThePlugin) {
    DialogRef d = MakeDialog("D");
    ASSERT_EQ(S().group->SetDialogGroupInfo(d, "W", 7168), kNoErr);
    char group[4];
    int32_t code = 0;
    ASSERT_EQ(S().group->GetDialogGroupInfo(d, group, sizeof group, &code), kNoErr);
    EXPECT_STREQ(group, "W");
    EXPECT_EQ(code, 7168);
    EXPECT_EQ(S().group->GetDialogGroupInfo(reinterpret_cast<DialogRef>(uintptr_t(8)), group, 4, &code),
              kErrBadHandle);
}

}  // namespace
}  // namespace dialog_test
