#include "cli/replay/SystemReasons.h"

#include <cerrno>
#include <optional>
#include <string_view>

#include "cli/replay/Scenario.h"
#include "files/FileSystem.h"

namespace vostrel::cli {

namespace {

// The system's error code for each failure a scenario can name. Linux says ENOENT both for a
// missing file and for a missing folder on the way; Windows tells them apart.
std::optional<int> systemCode(std::string_view name) {
    struct Reason {
        std::string_view name;
        int posix;
        int windows;
    };
    static constexpr Reason kReasons[] = {
        {"file-not-found", ENOENT, 2},  // ERROR_FILE_NOT_FOUND
        {"path-not-found", ENOENT, 3},  // ERROR_PATH_NOT_FOUND
        {"access-denied", EACCES, 5},   // ERROR_ACCESS_DENIED
        {"is-a-directory", EISDIR, 5},  // Windows refuses writing a folder as access denied
    };
    for (const auto& reason : kReasons) {
#ifdef _WIN32
        if (reason.name == name) return reason.windows;
#else
        if (reason.name == name) return reason.posix;
#endif
    }
    return std::nullopt;
}

bool isReason(const nlohmann::json& value) {
    return value.is_object() && value.size() == 1 && value.contains("reason") && value["reason"].is_string();
}

}  // namespace

nlohmann::json withSystemReasons(nlohmann::json value, int line) {
    if (isReason(value)) {
        const auto name = value["reason"].get<std::string>();
        const auto code = systemCode(name);
        if (!code) throw ScenarioError(line, "unknown reason \"" + name + "\"");
        return files::systemErrorText(*code);
    }
    if (value.is_structured())
        for (auto& element : value) element = withSystemReasons(element, line);
    return value;
}

}  // namespace vostrel::cli
