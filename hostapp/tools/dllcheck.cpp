// Checks the Windows module against the bundle it was built with:
//   dllcheck MODULE.dll BUNDLE [DIALOG-ID...]
// - a 32-bit (i386) DLL;
// - its only export is PluginMain;
// - it imports from kernel32, user32 and the C runtime (msvcrt) alone, the
//   key state and the beep among them (GetAsyncKeyState, Beep);
// - its resource table holds exactly the bundle's resources, byte for byte:
//   "PIPL" 16000 is the bundle's PiPL.rsrc; resources/KIND/NAME.EXT is type
//   KIND, name NAME (upper case; a number when NAME is all digits); plus an
//   empty dialog template of each DIALOG-ID.
// Every problem is printed; the exit code is 0 when there is none, 1 when
// there is one, 2 when a file cannot be read.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "pe_image.h"

namespace fs = std::filesystem;
using namespace pecheck;

namespace {

constexpr uint16_t kMachineI386 = 0x14c;
constexpr uint32_t kTypeDialog = 5;

bool ReadFile(const fs::path& path, std::string* content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    *content = s.str();
    return !in.bad();
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

ResourceKey KeyOf(const std::string& word) {
    ResourceKey key;
    bool digits = !word.empty() && word.size() <= 5 &&
                  std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && std::stoul(word) <= 65535) {
        key.id = static_cast<uint32_t>(std::stoul(word));
    } else {
        key.numeric = false;
        key.text = Upper(word);
    }
    return key;
}

struct Expected {
    ResourceKey type, name;
    std::string what;    // the file it comes from, for the messages
    bool checkBytes = true;
    std::string bytes;
};

int gProblems = 0;

void Problem(const std::string& text) {
    std::printf("dllcheck: %s\n", text.c_str());
    ++gProblems;
}

void CheckExports(const PeImage& image) {
    if (image.exports != std::vector<std::string>{"PluginMain"}) {
        std::string list;
        for (const std::string& e : image.exports) list += " " + e;
        Problem("the module must export PluginMain alone; it exports:" + (list.empty() ? " nothing" : list));
    }
}

void CheckImports(const PeImage& image) {
    const std::set<std::string> allowed = {"kernel32.dll", "user32.dll", "msvcrt.dll"};
    bool keyState = false, beep = false;
    for (const ImportedModule& m : image.imports) {
        std::string name = Lower(m.name);
        if (!allowed.count(name)) Problem("the module imports from " + m.name + ", which a plain Windows may not have");
        for (const std::string& f : m.functions) {
            keyState |= name == "user32.dll" && f == "GetAsyncKeyState";
            beep |= name == "kernel32.dll" && f == "Beep";
        }
    }
    if (!keyState) Problem("the module does not import GetAsyncKeyState from user32");
    if (!beep) Problem("the module does not import Beep from kernel32");
}

// What the bundle says the module must carry. False when the bundle cannot be read.
bool ExpectedResources(const fs::path& bundle, const std::vector<std::string>& dialogs, std::vector<Expected>* out) {
    Expected pipl{KeyOf("PIPL"), KeyOf("16000"), "PiPL.rsrc", true, {}};
    if (!ReadFile(bundle / "PiPL.rsrc", &pipl.bytes)) {
        std::printf("dllcheck: cannot read %s\n", (bundle / "PiPL.rsrc").c_str());
        return false;
    }
    out->push_back(pipl);
    std::error_code ec;
    fs::path root = bundle / "resources";
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file()) files.push_back(it->path());
    }
    if (ec || files.empty()) {
        std::printf("dllcheck: cannot list %s\n", root.c_str());
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        fs::path relative = fs::relative(file, root);
        if (std::distance(relative.begin(), relative.end()) != 2) {
            Problem("the bundle's " + relative.string() + " is not KIND/NAME.EXT: the module cannot carry it");
            continue;
        }
        Expected e{KeyOf(relative.begin()->string()), KeyOf(file.stem().string()), relative.string(), true, {}};
        if (!ReadFile(file, &e.bytes)) {
            std::printf("dllcheck: cannot read %s\n", file.c_str());
            return false;
        }
        out->push_back(e);
    }
    for (const std::string& id : dialogs) {
        Expected e{{}, KeyOf(id), "dialog " + id, false, {}};
        e.type.id = kTypeDialog;
        out->push_back(e);
    }
    return true;
}

void CheckResources(const PeImage& image, const std::vector<Expected>& expected) {
    for (const Expected& e : expected) {
        const Resource* res = FindResource(image, e.type, e.name);
        std::string label = e.type.Describe() + " " + e.name.Describe() + " (" + e.what + ")";
        if (!res) {
            Problem("resource " + label + " is missing");
        } else if (e.checkBytes && res->bytes != e.bytes) {
            Problem("resource " + label + " differs from the bundle's: " + std::to_string(res->bytes.size()) +
                    " bytes against " + std::to_string(e.bytes.size()));
        }
    }
    std::set<std::pair<ResourceKey, ResourceKey>> seen;
    for (const Resource& res : image.resources) {
        bool known = std::any_of(expected.begin(), expected.end(), [&](const Expected& e) {
            return e.type == res.type && e.name == res.name;
        });
        if (!known) Problem("resource " + res.type.Describe() + " " + res.name.Describe() + " is not the bundle's");
        if (!seen.insert({res.type, res.name}).second)
            Problem("resource " + res.type.Describe() + " " + res.name.Describe() + " is there twice");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: dllcheck MODULE.dll BUNDLE [DIALOG-ID...]\n");
        return 2;
    }
    std::string file, error;
    if (!ReadFile(argv[1], &file)) {
        std::printf("dllcheck: cannot read %s\n", argv[1]);
        return 2;
    }
    PeImage image;
    if (!ReadPeImage(file, &image, &error)) {
        std::printf("dllcheck: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::vector<std::string> dialogs(argv + 3, argv + argc);
    std::vector<Expected> expected;
    if (!ExpectedResources(argv[2], dialogs, &expected)) return 2;

    if (image.machine != kMachineI386) Problem("the module is not for 32-bit x86 (machine " + std::to_string(image.machine) + ")");
    if (!image.isDll) Problem("the module is not a DLL");
    CheckExports(image);
    CheckImports(image);
    CheckResources(image, expected);
    if (gProblems) return 1;
    std::string imports;
    for (const ImportedModule& m : image.imports) imports += (imports.empty() ? "" : ", ") + m.name;
    std::printf("dllcheck: %s: exports PluginMain alone; imports %s; %zu resources, each the bundle's\n", argv[1],
                imports.c_str(), image.resources.size());
    return 0;
}
