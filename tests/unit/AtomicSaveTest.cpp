// The guarantees of the one routine that writes every file the program writes.
#include <gtest/gtest.h>

// Links, permission bits and owners are POSIX matters; FileSystemWindowsTest.cpp covers what
// the Windows save keeps.
#ifndef _WIN32

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "files/TextFile.h"

namespace {

namespace fs = std::filesystem;
using vostrel::files::replaceFileAtomically;

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().native());
    return names;
}

TEST(AtomicSave, KeepsLinksModesAndReadOnlyFilesAndLeavesNoTemporaryFile) {
    const auto folder = fs::temp_directory_path() / ("vostrel-save-" + std::to_string(::getpid()));
    const std::string longName = std::string(246, 'n') + ".mnu";  // 250 bytes
    struct Case {
        const char* what;
        std::string target;             // the name saved to
        std::function<void()> prepare;  // runs in a fresh folder
        bool saves;
        std::string file;             // the file whose bytes and mode are checked
        std::string expected;         // its bytes afterwards
        unsigned mode;                // its permission bits afterwards (0: not checked)
        std::set<std::string> names;  // everything in the folder afterwards
    };
    const auto write = [&](const std::string& name, unsigned mode) {
        std::ofstream(folder / name, std::ios::binary) << "old";
        ::chmod((folder / name).c_str(), mode);
    };
    const Case cases[] = {
        {"new file", "new.mnu", [] {}, true, "new.mnu", "new", 0, {"new.mnu"}},
        {"link written through",
         "link.mnu",
         [&] {
             write("real.mnu", 0644);
             fs::create_symlink("real.mnu", folder / "link.mnu");
         },
         true,
         "real.mnu",
         "new",
         0644,
         {"link.mnu", "real.mnu"}},
        {"private file stays private",
         "p.mnu",
         [&] { write("p.mnu", 0600); },
         true,
         "p.mnu",
         "new",
         0600,
         {"p.mnu"}},
        {"no write bit: refused, even for root",
         "ro.mnu",
         [&] { write("ro.mnu", 0444); },
         false,
         "ro.mnu",
         "old",
         0444,
         {"ro.mnu"}},
        {"longest name", longName, [] {}, true, longName, "new", 0, {longName}},
        {"missing folder", "none/x.mnu", [] {}, false, "none/x.mnu", "", 0, {}},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.prepare();
        std::string error;
        EXPECT_EQ(replaceFileAtomically(folder / c.target, "new", error), c.saves) << c.what;
        EXPECT_EQ(error.empty(), c.saves) << c.what << ": " << error;
        EXPECT_EQ(bytesOf(folder / c.file), c.expected) << c.what;
        if (c.mode) {
            EXPECT_EQ(fs::status(folder / c.file).permissions(), fs::perms(c.mode)) << c.what;
        }
        EXPECT_EQ(fs::is_symlink(folder / c.target), c.target == "link.mnu") << c.what;
        EXPECT_EQ(namesIn(folder), c.names) << c.what;
    }
    fs::remove_all(folder);
}

}  // namespace

#endif  // !_WIN32
