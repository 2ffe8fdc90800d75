// Modal dialogs run by the host's own code: the default ends of OK and
// Cancel, the close box, a failing init procedure, and input that runs out.
#include "dialog_test.h"

#include "frame/host.h"

namespace dialog_test {
namespace {

using drawhost_test::LogLinesWith;

HostErr InitButtons(DialogRef dialog) {
    IntRect r = {0, 0, 60, 20};
    S().item->Create(dialog, kDlgOKItemID, kItemTextPushButton, &r, nullptr, nullptr);
    S().item->Create(dialog, kDlgCancelItemID, kItemTextPushButton, &r, nullptr, nullptr);
    S().item->Create(dialog, 3, kItemTextPushButton, &r, nullptr, nullptr);
    return kNoErr;
}

HostErr InitFails(DialogRef) { return kErrBadParameter; }

HostErr InitWithoutFlyout(DialogRef dialog) {
    EXPECT_EQ(S().dialog->GetItem(dialog, kDlgFlyoutMenuItemID), nullptr);
    return InitButtons(dialog);
}

class ModalTest : public DialogTest {
protected:
    // Runs the modal dialog "Modale" with `lines` as the user's input.
    int32_t Run(std::vector<std::string> lines, DialogInitProc init = InitButtons) {
        drawhost::ScriptRunner runner("test", std::move(lines));
        drawhost::TheHost().modalPump = [&runner] { return runner.RunNextLine(); };
        int32_t result = S().dialog->Modal(nullptr, "Modale", 0, kDlgModalStyle, init, nullptr, 0);
        drawhost::TheHost().modalPump = nullptr;
        error_ = runner.Error();
        return result;
    }
    std::string error_;
};

TEST_F(ModalTest, OKAndCancelButtonsEndTheDialogWithTheirIds) {
    EXPECT_EQ(Run({"press Modale 3", "press Modale 1"}), kDlgOKItemID);
    EXPECT_EQ(Run({"press Modale 2"}), kDlgCancelItemID);
    EXPECT_EQ(Run({"close Modale"}), kDlgCancelItemID);
    EXPECT_FALSE(drawhost::DlgModalAbandoned());
    // Once closed the dialog is gone.
    EXPECT_EQ(drawhost::DlgDialogByName("Modale"), nullptr);
}

TEST_F(ModalTest, InputRunningOutCancelsTheDialogAndIsReported) {
    EXPECT_EQ(Run({"press Modale 3"}), kDlgCancelItemID);
    EXPECT_TRUE(drawhost::DlgModalAbandoned());
    EXPECT_EQ(LogLinesWith("input ended while the modal dialog 'Modale' was open").size(), 1u);
}

TEST_F(ModalTest, ABadLineInsideTheDialogEndsItToo) {
    EXPECT_EQ(Run({"press Modale 9", "press Modale 1"}), kDlgCancelItemID);
    EXPECT_NE(error_.find("has no item 9"), std::string::npos);
}

TEST_F(ModalTest, FailingInitProcedureLeavesNoDialog) {
    EXPECT_EQ(Run({"press Modale 1"}, InitFails), -1);
    EXPECT_TRUE(drawhost::DlgDialogsInOrder().empty());
}

TEST_F(ModalTest, ModalDialogBlocksTheOthersAndHasNoFlyout) {
    DialogRef floating = MakeDialog("Palette");
    MakeItem(floating, 5, kItemTextCheckBox);
    EXPECT_NE(S().dialog->GetItem(floating, kDlgFlyoutMenuItemID), nullptr);
    EXPECT_EQ(Run({"check Palette 5 on"}), kDlgCancelItemID);
    EXPECT_NE(error_.find("behind the modal dialog 'Modale'"), std::string::npos);

    EXPECT_EQ(Run({"press Modale 1"}, InitWithoutFlyout), kDlgOKItemID);
}

}  // namespace
}  // namespace dialog_test
