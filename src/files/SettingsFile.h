#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vostrel::files {

inline constexpr const char* kSettingsFileName = "Zumzum.ini";
inline constexpr int kSettingsMinimumLines = 10;
// The value of a settings line starts after its ten-character key and "=".
inline constexpr std::size_t kSettingsKeyLength = 11;

// The settings are read by position, never by key: each one names its line.
// Line 0 is the section header, lines after the last one are unused fillers.
enum class SettingsKey { Language = 1, AutoRun, MenuFolder, Portrait, ButtonLock, StandardLayout };

// The key written before "=" on the line of `key`, e.g. "Hochformat".
std::string_view settingsKeyName(SettingsKey key);

// The whole line holding `value` under `key`, e.g. "Hochformat=1".
std::string settingsLine(SettingsKey key, std::string_view value);

// The eleven lines used when the file is missing or too short.
const std::vector<std::string>& standardSettings();

// The lines of the settings file, up to the first line that is empty or holds
// only blanks. A missing or unreadable file gives no lines; nothing is reported.
std::vector<std::string> readSettingsLines(const std::filesystem::path& file);

// Writes every line followed by CR LF, in Windows-1252, replacing the file as a
// whole. A line holding a character the file cannot store (a menu folder named
// in another script) is written as the standard line of its place, so that the
// others, the language and the options, are still kept. False (with `error`
// set) when the file could not be written.
bool writeSettingsLines(const std::filesystem::path& file, const std::vector<std::string>& lines,
                        std::string& error);

}  // namespace vostrel::files
