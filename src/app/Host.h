#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace vostrel::app {

enum class MessageIcon { Warning, Question, None };
enum class MessageButtons { Ok, YesNo, SaveDiscardCancel };
enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

struct MessageRequest {
    MessageRequest() = default;
    MessageRequest(MessageIcon withIcon, MessageButtons withButtons, std::string withTitle,
                   std::string withText, std::string withDetail = {})
        : icon(withIcon),
          buttons(withButtons),
          title(std::move(withTitle)),
          text(std::move(withText)),
          detail(std::move(withDetail)) {}

    MessageIcon icon = MessageIcon::Warning;
    MessageButtons buttons = MessageButtons::Ok;
    std::string title;  // empty: the program's default title
    std::string text;   // CR LF marks a line break
    // Shown beneath the text in smaller type when not empty: for a failed save or
    // open, the operating system's reason.
    std::string detail;
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;
    std::string filter;  // "Description|pattern|Description|pattern"
    std::filesystem::path fileName;
    std::filesystem::path startFolder;
};

// Everything modal or outside the window goes through here: the window answers
// with real dialogs, the replay tool and the tests with queued answers.
class Host {
public:
    virtual ~Host() = default;
    virtual Answer messageBox(const MessageRequest& request) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> fileDialog(const FileDialogRequest& request) = 0;
    // What the user entered; "" for Cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title) = 0;
    // Hands a mail or web address to the desktop; nothing is reported back.
    virtual void openUrl(const std::string& target) = 0;
};

// The title of message boxes that have none of their own.
inline constexpr const char* kApplicationTitle = "RU6 Vostrel";

}  // namespace vostrel::app
