#pragma once

#include <span>
#include <string>
#include <string_view>

#include "controls/Language.h"

// The fixed texts of the manual window, the development history and the information window.
//
// All texts are UTF-8 and use only characters that Windows-1252 can hold, so that they look
// the same in the Qt window as in the settings and menu files the program writes. Multi-line
// texts join their lines with CR LF and carry no CR LF after the last line, the form the text
// boxes of the windows show them in.
namespace vostrel::help {

using HelpLanguage = controls::Language;

// The manual: 13 lines joined by CR LF, line 12 empty. Throws std::invalid_argument for a
// value that is none of the three languages.
[[nodiscard]] std::string manualText(HelpLanguage language);

// Caption of the text window while it shows the manual. The French caption reads "WX5", not
// "RU6", on purpose: French users know the window by that name.
[[nodiscard]] std::string_view manualCaption(HelpLanguage language);

// The development history, German only: heading, empty line, then one entry per version,
// newest first, entries separated by an empty line.
[[nodiscard]] std::string historyText();

inline constexpr std::string_view kHistoryCaption = "Historie";

// The history is meant for the developer only. The user opens it by typing this code in
// upper case, so the lower-case form seen here is not the key itself.
inline constexpr std::string_view kHistoryAccessCode = "pfote";

// The one sentence of the information window on what the program is for.
[[nodiscard]] std::string_view purposeSentence(HelpLanguage language);

// The short terms-of-use notice of the information window, its sentences joined by CR LF.
[[nodiscard]] std::string termsOfUse(HelpLanguage language);

// What the information window shows when no language is set: the texts it was designed with.
// That purpose sentence predates the rename and still names the navigation program "WX5+6".
inline constexpr std::string_view kDesignPurposeSentence =
    "Zum Erstellen einer eigenen Menü-Folge für das Navi-Programm WX5+6 auf dem PC.";
[[nodiscard]] std::string_view designTermsOfUse();

// Postal contact data of the information window, one line per address line (CR LF).
[[nodiscard]] std::string contactAddress();

inline constexpr std::string_view kMailAddress = "vostrel@example.org";
inline constexpr std::string_view kWebAddress = "https://www.example.org/vostrel";

// Joins `lines` with CR LF, without a CR LF after the last one.
[[nodiscard]] std::string joinLinesCrLf(std::span<const std::string_view> lines);

}  // namespace vostrel::help
