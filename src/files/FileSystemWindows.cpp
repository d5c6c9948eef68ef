// Reading and atomic replacing on Windows.
#ifdef _WIN32

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "files/FileSystem.h"
#include "files/TextFile.h"

namespace vostrel::files {

namespace {

std::string systemMessage(DWORD code) {
    wchar_t* wide = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&wide), 0, nullptr);
    std::string text;
    if (length > 0) {
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), text.data(), size, nullptr, nullptr);
    }
    LocalFree(wide);
    // The system ends its messages with a line break, which a message box shows as a blank line.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(code) : text;
}

}  // namespace

std::string systemErrorText(int code) { return systemMessage(static_cast<DWORD>(code)); }

std::string lastSystemError() { return systemMessage(GetLastError()); }

ReadableFile::~ReadableFile() {
    if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

std::optional<ReadFailure> ReadableFile::open(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ReadFailure{ReadFailure::Kind::System, lastSystemError()};
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return ReadFailure{ReadFailure::Kind::NotAFile, {}};
    // Other programs may go on reading, writing, renaming and deleting the file meanwhile, as
    // they may on Linux; a save of ours never waits for a reader.
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ReadFailure{ReadFailure::Kind::System, lastSystemError()};
    handle_ = reinterpret_cast<std::intptr_t>(file);
    // A device (CON, COM1, NUL) or pipe opens like a file but is never read.
    if (GetFileType(file) != FILE_TYPE_DISK) return ReadFailure{ReadFailure::Kind::NotAFile, {}};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) return ReadFailure{ReadFailure::Kind::System, lastSystemError()};
    size_ = static_cast<std::uint64_t>(size.QuadPart);
    return std::nullopt;
}

long long ReadableFile::read(char* buffer, std::size_t size) {
    DWORD got = 0;
    const DWORD wanted = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), buffer, wanted, &got, nullptr)) {
        error_ = lastSystemError();
        return -1;
    }
    return got;
}

namespace {

// The temporary file, created exclusively: an existing file of that name is never opened.
HANDLE createTemporary(const std::filesystem::path& folder, std::filesystem::path& named) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        named = temporaryName(folder);
        const HANDLE file = CreateFileW(named.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    named.clear();
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Another program holding the old file open (a virus scanner, an indexer, the navigation
// software's own tools) makes the replace fail for a moment; these are the errors it gives.
bool isPassing(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION || code == ERROR_ACCESS_DENIED ||
           code == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Puts the new file in the old one's place. An existing file is replaced with ReplaceFileW,
// which keeps its attributes, security and creation time; the old file is parked under
// `backup` meanwhile, so that no failure half-way loses it.
bool replaceOnce(const std::filesystem::path& temporary, const std::filesystem::path& target,
                 const std::filesystem::path& backup, bool exists) {
    if (!exists) return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    if (ReplaceFileW(target.c_str(), temporary.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        DeleteFileW(backup.c_str());
        return true;
    }
    const DWORD code = GetLastError();
    // The old file was moved to the backup but the new one could not follow: move it back.
    if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    SetLastError(code);
    return false;
}

}  // namespace

bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        error = systemMessage(ERROR_ACCESS_DENIED);
        return false;
    }
    std::filesystem::path temporary;
    const HANDLE file = createTemporary(folder, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        error = lastSystemError();
        return false;
    }
    bool ok = writeAll(file, bytes) && FlushFileBuffers(file);
    if (!ok) error = lastSystemError();
    CloseHandle(file);
    if (ok) {
        // Brief retries while another program holds the old file, then the system's reason.
        std::filesystem::path backup = temporaryName(folder);
        for (int attempt = 0;; ++attempt) {
            if (replaceOnce(temporary, path, backup, exists)) return true;
            const DWORD code = GetLastError();
            if (!isPassing(code) || attempt == 9) {
                error = systemMessage(code);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    DeleteFileW(temporary.c_str());
    return false;
}

}  // namespace vostrel::files

#endif  // _WIN32
