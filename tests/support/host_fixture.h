// Test support: a fresh drawhost per test, driven the way a session script
// drives it, with the real plug-in modules loaded from a plug-ins folder.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/document.h"
#include "frame/host.h"
#include "frame/loader.h"
#include "frame/script.h"
#include "frame/session.h"

namespace drawhost_test {

// Runs script lines against the host as `drawhost run` would; the first
// failing line's message comes back (empty on success). Lines left over when
// a modal dialog closes keep running.
std::string RunLines(const std::vector<std::string>& lines);

// Log lines that contain `needle`.
std::vector<std::string> LogLinesWith(const std::string& needle);

// Every art of the document, layer by layer, each group before what it holds.
std::vector<const drawhost::Art*> DocumentAllArt();

class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Loads and starts the bundles of `folder`.
    void Start(const std::string& folder);
    drawhost::LoadedPlugin& Plugin(const std::string& name);
};

}  // namespace drawhost_test
