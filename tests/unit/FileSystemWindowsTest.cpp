// What the Windows save guarantees where another program holds the old file, the file is
// read-only, or the disk fills up: the old file stays whole, no temporary file is left, and the
// system's own reason comes back.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "FullDisk.h"
#include "files/FileSystem.h"
#include "files/TextFile.h"

namespace {

namespace fs = std::filesystem;
using vostrel::files::replaceFileAtomically;
using vostrel::files::systemErrorText;

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Another program's handle on the file that allows reading and writing beside it but neither
// renaming nor deleting it, as editors and virus scanners hold files.
HANDLE holdOpen(const fs::path& file) {
    return CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(FileSystemWindows, FailedSavesKeepTheOldFileAndTellTheSystemsReason) {
    const auto folder =
        fs::temp_directory_path() / ("vostrel-save-" + std::to_string(std::random_device{}()));
    struct Case {
        const char* what;
        std::function<std::function<void()>(const fs::path&)> prepare;  // returns the clean-up
        bool saves;
        int reason;  // the system error whose words come back when the save fails
    };
    const Case cases[] = {
        {"read-only file",
         [](const fs::path& file) {
             SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
             return [file] { SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL); };
         },
         false, ERROR_ACCESS_DENIED},
        {"held open all the time",
         [](const fs::path& file) {
             const HANDLE held = holdOpen(file);
             return [held] { CloseHandle(held); };
         },
         false, ERROR_SHARING_VIOLATION},
        {"let go while the save retries",
         [](const fs::path& file) {
             const HANDLE held = holdOpen(file);
             auto letGo = std::make_shared<std::thread>([held] {
                 std::this_thread::sleep_for(std::chrono::milliseconds(120));
                 CloseHandle(held);
             });
             return [letGo] { letGo->join(); };
         },
         true, 0},
        {"disk full",
         [](const fs::path&) {
             auto full = std::make_shared<vostrel::testing::FullDisk>(3);
             return [full]() mutable { full.reset(); };
         },
         false, ERROR_DISK_FULL},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        const auto file = folder / "menu.mnu";
        std::ofstream(file, std::ios::binary) << "old";
        auto cleanUp = c.prepare(file);
        std::string error;
        const bool saved = replaceFileAtomically(file, "new contents", error);
        cleanUp();
        EXPECT_EQ(saved, c.saves) << c.what;
        EXPECT_EQ(bytesOf(file), c.saves ? "new contents" : "old") << c.what;
        if (!c.saves) {
            EXPECT_EQ(error, systemErrorText(c.reason)) << c.what;
        }
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        EXPECT_EQ(names, std::set<std::string>{"menu.mnu"}) << c.what;
    }
    fs::remove_all(folder);
}

}  // namespace

#endif  // _WIN32
