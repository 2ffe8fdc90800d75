// The basic suite's alerts and screen as the log and the scripts see them.
#include "dialog_test.h"

namespace dialog_test {
namespace {

using drawhost_test::LogLinesWith;
using drawhost_test::RunLines;

class BasicTest : public DialogTest {};

TEST_F(BasicTest, AlertsOfBothKindsAreLoggedWithTheirKind) {
    S().basic->ErrorAlert("Attention, il faut cliquer sur un segment.");
    S().basic->MessageAlert("Suppression impossible.");
    EXPECT_EQ(LogLinesWith("alert(").size(), 2u);
    EXPECT_EQ(LogLinesWith("alert(error): Attention, il faut cliquer sur un segment.").size(), 1u);
    EXPECT_EQ(LogLinesWith("alert(message): Suppression impossible.").size(), 1u);
}

TEST_F(BasicTest, ScriptSetsTheScreenThePluginMeasures) {
    IntRect screen;
    S().basic->GetScreenDimensions(&screen);
    EXPECT_EQ(screen.right, 1920);
    ASSERT_EQ(RunLines({"screen 1280 800"}), "");
    S().basic->GetScreenDimensions(&screen);
    EXPECT_EQ(screen.left, 0);
    EXPECT_EQ(screen.right, 1280);
    EXPECT_EQ(screen.bottom, 800);
    EXPECT_NE(RunLines({"screen 0 800"}), "");
    EXPECT_NE(RunLines({"screen 1280"}), "");
}

}  // namespace
}  // namespace dialog_test
