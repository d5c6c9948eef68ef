#pragma once
// While a FullDisk lives, files written by this process take only `room` bytes more before the
// system refuses the next write, as a full disk would. Linux lowers the process's file-size
// limit, which binds root too; Windows has no such limit, so there the process's own calls of
// WriteFile are redirected to one that refuses with ERROR_DISK_FULL once the room is used.
#include <cstddef>

#ifdef _WIN32
#include <windows.h>

#include <cstring>
#else
#include <sys/resource.h>

#include <csignal>
#endif

namespace vostrel::testing {

#ifdef _WIN32

class FullDisk {
public:
    explicit FullDisk(std::size_t room) {
        room_ = room;
        slot_ = importSlot("kernel32.dll", "WriteFile");
        if (slot_) original_ = swap(reinterpret_cast<void*>(&refusingWriteFile));
    }
    ~FullDisk() {
        if (slot_) swap(original_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool active() const { return slot_ != nullptr; }

private:
    using WriteFileFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

    static BOOL WINAPI refusingWriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD written,
                                         LPOVERLAPPED overlapped) {
        if (size > room_) {
            if (written) *written = 0;
            SetLastError(ERROR_DISK_FULL);
            return FALSE;
        }
        room_ -= size;
        return reinterpret_cast<WriteFileFunction>(original_)(file, data, size, written, overlapped);
    }

    // The entry of the program's import table through which it calls `function` of `library`.
    static void** importSlot(const char* library, const char* function) {
        auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleW(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
        for (; import->Name != 0; ++import) {
            if (_stricmp(reinterpret_cast<const char*>(base + import->Name), library) != 0) continue;
            auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
            auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
            for (; name->u1.AddressOfData != 0; ++name, ++slot) {
                if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
                const auto* byName =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                    return reinterpret_cast<void**>(&slot->u1.Function);
            }
        }
        return nullptr;
    }

    void* swap(void* replacement) {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof(void*), PAGE_READWRITE, &protection);
        void* previous = *slot_;
        *slot_ = replacement;
        VirtualProtect(slot_, sizeof(void*), protection, &protection);
        return previous;
    }

    void** slot_ = nullptr;
    static inline void* original_ = nullptr;
    static inline std::size_t room_ = 0;
};

#else

class FullDisk {
public:
    explicit FullDisk(std::size_t room) {
        ::signal(SIGXFSZ, SIG_IGN);  // a refused write, not the end of the process
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit tiny = saved_;
        tiny.rlim_cur = room;
        active_ = ::setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool active() const { return active_; }

private:
    rlimit saved_{};
    bool active_ = false;
};

#endif

}  // namespace vostrel::testing
