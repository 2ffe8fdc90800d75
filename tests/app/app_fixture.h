// A fresh host per test with a scratch folder, the preference file inside
// it, and the application-services test plug-in.
#pragma once
#include <string>
#include <vector>

#include "host_fixture.h"

namespace app_test {

class AppTest : public drawhost_test::HostTest {
protected:
    void SetUp() override;
    // Starts the plug-ins with the test plug-in among them.
    void StartTestPlugin();
    PluginRef TestPluginRef();
    // What the test plug-in reported, in order, without the "info: #n " prefix.
    std::vector<std::string> Reports() const;
    // The scratch folder of this test (empty at the start).
    std::string scratch;
    std::string prefsFile;   // scratch + "/prefs.txt"
};

// Suite tables of the host, as a plug-in gets them.
template <class T>
const T* Suite(const char* name, int32_t version) {
    return static_cast<const T*>(drawhost::HostFindSuite(name, version));
}

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
bool FileExists(const std::string& path);

}  // namespace app_test
