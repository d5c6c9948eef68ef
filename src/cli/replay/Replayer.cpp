// Steps of a scenario, turned into what a user does to the window.
#include "cli/replay/Replayer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/replay/StateDump.h"
#include "files/Paths.h"
#include "files/TextFile.h"

namespace vostrel::cli {

namespace {

// A step's text as it would read in a scenario, so that a file mismatch can be pasted back.
std::string quoteBytes(const std::string& bytes) {
    std::ostringstream out;
    out << '"';
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (unsigned char c : bytes) {
        switch (c) {
            case '"': out << "\\\""; break;
            case '\\': out << "\\\\"; break;
            case '\r': out << "\\r"; break;
            case '\n': out << "\\n"; break;
            case '\t': out << "\\t"; break;
            default:
                if (c < 0x20 || c >= 0x7F)
                    out << "\\x" << kHex[c >> 4] << kHex[c & 15];
                else
                    out << static_cast<char>(c);
        }
    }
    out << '"';
    return out.str();
}

std::string jsonText(const nlohmann::json& value) {
    // The core only holds UTF-8, but a dump must never abort over one odd byte.
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

int integerWord(const Step& step, std::size_t word) {
    int value = 0;
    parseInteger(step.text(word), value);  // the parser already refused anything else
    return value;
}

}  // namespace

Replayer::Replayer(std::filesystem::path programFolder, std::ostream& dumpOutput)
    : programFolder_(std::move(programFolder)), dumpOutput_(dumpOutput), host_(programFolder_) {}

Replayer::~Replayer() = default;

void Replayer::checkMenuNames(const std::vector<Step>& steps) {
    // The window itself knows its menu items; ask a fresh one rather than keep a second list.
    ScriptedHost quiet{std::filesystem::path{}};
    const app::frmWendax probe(quiet, std::filesystem::path{});
    for (const auto& step : steps) {
        if (step.verb == "menu" && !probe.findMenuItem(step.text(0)))
            throw ScenarioError(step.line, "menu: unknown menu item \"" + step.text(0) + "\"");
    }
}

void Replayer::run(const std::vector<Step>& steps) {
    checkMenuNames(steps);
    for (const auto& step : steps) {
        runStep(step);
        // An open findings window follows the document, as in the window.
        if (form_) form_->refreshCheckWindow();
    }
    const auto unused = host_.leftovers();
    if (!unused.empty()) throw ExpectationFailure("end of scenario: " + unused);
}

std::filesystem::path Replayer::resolve(const std::string& path) const {
    const auto p = files::pathFromUtf8(path);
    return p.is_absolute() ? p : programFolder_ / p;
}

app::frmWendax& Replayer::openWindow(const Step& step) {
    if (!form_) throw ScenarioError(step.line, step.verb + ": the window is not open; `start` first");
    if (!running_)
        throw ScenarioError(step.line, step.verb + ": the window was closed; `start` it again first");
    return *form_;
}

const app::frmWendax& Replayer::anyWindow(const Step& step) const {
    if (!form_) throw ScenarioError(step.line, step.verb + ": there is no window yet; `start` first");
    return *form_;
}

void Replayer::runStep(const Step& step) {
    try {
        performStep(step);
    } catch (const MismatchedAnswer& e) {
        throw ScenarioError(step.line, step.verb + ": " + e.what());
    }
    // The tool writes the recovery file after every step, where the window waits for idle time.
    if (running_) form_->updateRecoveryFile();
}

void Replayer::performStep(const Step& step) {
    const auto& verb = step.verb;
    if (verb == "file")
        writeFile(step);
    else if (verb == "remove") {
        std::error_code ignored;
        std::filesystem::remove(resolve(step.text(0)), ignored);
    } else if (verb == "start")
        start(step);
    else if (verb == "close")
        close(step);
    else if (verb == "crash")
        crash(step);
    else if (verb == "click")
        click(step);
    else if (verb == "menu")
        menu(step);
    else if (verb == "select")
        openWindow(step).userSelectsLine(integerWord(step, 0));
    else if (verb == "type")
        openWindow(step).userTypes(step.text(0));
    else if (verb == "scroll")
        scroll(step);
    else if (verb == "focus") {
        openWindow(step).userFocusesLineBar();
    } else if (verb == "answer")
        queueAnswer(step.text(0));
    else if (verb == "dialog") {
        // A quoted "cancel" is a file of that name; only the bare word cancels.
        const auto& word = step.words[0];
        if (!word.quoted && word.text() == "cancel")
            host_.queueDialog(std::nullopt);
        else
            host_.queueDialog(word.text());
    } else if (verb == "input")
        host_.queueInput(step.text(0));
    else if (verb == "dump")
        dumpOutput_ << jsonText(dumpState(anyWindow(step), host_, running_)) << '\n';
    else if (verb == "expect" || verb == "expect-path")
        expect(step);
    else if (verb == "expect-file")
        expectFile(step);
    else
        throw ScenarioError(step.line, "unknown step \"" + verb + "\"");
}

void Replayer::queueAnswer(const std::string& word) {
    if (word == "yes" || word == "no")
        host_.queueAnswer(word == "yes");
    else
        host_.queueChoice(word == "save"      ? app::Answer::Save
                          : word == "discard" ? app::Answer::Discard
                                              : app::Answer::Cancel);
}

void Replayer::crash(const Step& step) {
    // As a kill: no shut-down runs and nothing is written; the last state stays for a dump.
    openWindow(step);
    running_ = false;
}

void Replayer::start(const Step& step) {
    if (running_)
        throw ScenarioError(step.line, "start: the program is running; `close` or `crash` it first");
    // A new run of the program: nothing survives from the last one but the files.
    form_.reset();
    host_.clearLogs();
    form_ = std::make_unique<app::frmWendax>(host_, programFolder_);
    running_ = true;
    form_->Form_Load();
}

void Replayer::close(const Step& step) {
    if (!step.words.empty()) {
        using Window = app::frmWendax::SecondaryWindow;
        openWindow(step).userClosesWindow(step.text(0) == "frmWXText" ? Window::Text : Window::Info);
        return;
    }
    // The user may cancel the close at the save question; the program then goes on.
    if (openWindow(step).Form_Unload()) running_ = false;
}

void Replayer::click(const Step& step) {
    auto& form = openWindow(step);
    const auto control = step.text(0);
    const int index = integerWord(step, 1);
    auto outOfRange = [&] {
        return ScenarioError(step.line, "click: " + control + " has no index " + std::to_string(index));
    };
    if (control == "cmdWXButton") {
        if (!app::frmWendax::controlButtonExists(index)) throw outOfRange();
        form.userClicksControlButton(index);
    } else if (control == "imgWXMenu" || control == "lblWXMenu") {
        if (index < 0 || index >= catalogue::ButtonField::kButtonCount) throw outOfRange();
        if (control == "imgWXMenu")
            form.userClicksCommandPicture(index);
        else
            form.userClicksCommandCaption(index);
    } else {
        // The preview refuses hidden places itself, whichever frame is shown.
        if (index < 0 || index >= preview::kPlaceCount) throw outOfRange();
        if (control == "imgMenH")
            form.imgMenH_Click(index);
        else
            form.imgMenQ_Click(index);
    }
}

void Replayer::menu(const Step& step) {
    auto& form = openWindow(step);
    form.chooseMenuItem(step.text(0));
    // Choosing Ende shuts the program down just as closing the window does.
    if (form.closed()) running_ = false;
}

void Replayer::scroll(const Step& step) {
    auto& form = openWindow(step);
    const auto bar = step.text(0);
    auto& target = bar == "VScroll1"   ? form.field.VScroll1
                   : bar == "VScroll2" ? form.VScroll2
                                       : form.preview.HScroll1;
    form.userScrolls(target, integerWord(step, 1));
}

void Replayer::writeFile(const Step& step) {
    std::string bytes;
    step.words[1].toWindows1252(bytes);  // the parser checked that it converts
    const auto path = resolve(step.text(0));
    std::error_code ignored;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw ScenarioError(step.line, "file: cannot write " + files::pathToText(path));
}

namespace {

// The expected value of `expect-path`: its texts are paths written with `/`, which the system
// writes with its own separator, so one scenario serves Linux and Windows alike.
nlohmann::json inSystemForm(nlohmann::json value) {
    if (value.is_string()) {
        auto text = value.get<std::string>();
        std::replace(text.begin(), text.end(), '/',
                     static_cast<char>(std::filesystem::path::preferred_separator));
        return text;
    }
    if (value.is_structured())
        for (auto& element : value) element = inSystemForm(element);
    return value;
}

}  // namespace

void Replayer::expect(const Step& step) {
    const auto state = dumpState(anyWindow(step), host_, running_);
    const auto expected = step.verb == "expect-path" ? inSystemForm(step.expected) : step.expected;
    const auto pointerText = step.text(0);
    const nlohmann::json::json_pointer pointer(pointerText);
    std::string actual = "missing";
    bool equal = false;
    try {
        if (state.contains(pointer)) {
            const auto& value = state.at(pointer);
            actual = jsonText(value);
            equal = value == expected;
        }
    } catch (const nlohmann::json::exception&) {
        // A pointer through a value that has no such member or index: nothing is there.
    }
    if (!equal)
        throw ExpectationFailure("line " + std::to_string(step.line) + ": " + step.verb + " " + pointerText +
                                 ": expected " + jsonText(expected) + ", actual " + actual);
}

void Replayer::expectFile(const Step& step) {
    std::string expected;
    step.words[1].toWindows1252(expected);
    const auto path = resolve(step.text(0));
    // Read as the editor reads: a FIFO or a huge file is refused rather than waited on.
    std::string actual = "missing";
    bool equal = false;
    if (const auto bytes = files::readFileBytes(path)) {
        actual = quoteBytes(*bytes);
        equal = *bytes == expected;
    }
    if (!equal)
        throw ExpectationFailure("line " + std::to_string(step.line) + ": expect-file " + step.text(0) +
                                 ": expected " + quoteBytes(expected) + ", actual " + actual);
}

}  // namespace vostrel::cli
