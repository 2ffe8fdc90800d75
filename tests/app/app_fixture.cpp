#include "app_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/prefs.h"

namespace app_test {

using namespace drawhost;

void AppTest::SetUp() {
    HostTest::SetUp();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    scratch = std::string(APP_TEST_SCRATCH) + "/" + info->test_suite_name() + "." + info->name();
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch);
    prefsFile = scratch + "/prefs.txt";
    PrefsSetPath(prefsFile);
}

void AppTest::StartTestPlugin() { Start(APP_TEST_PLUGINS); }

PluginRef AppTest::TestPluginRef() { return RefOf(&Plugin("apptest")); }

std::vector<std::string> AppTest::Reports() const {
    std::vector<std::string> out;
    for (const std::string& line : TheHost().log) {
        if (line.rfind("info: #", 0) != 0) continue;
        size_t space = line.find(' ', 7);
        out.push_back(space == std::string::npos ? "" : line.substr(space + 1));
    }
    return out;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

}  // namespace app_test
