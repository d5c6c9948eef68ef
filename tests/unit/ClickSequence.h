// Random click sequences on the headless window that keep to the building order: the menus a
// user can build by clicks alone, for the property tests of the check and the repair. A
// sequence can print itself as a replay scenario, so that a failing one can be run again and
// stepped through with vostrel-replay.
//
// VOSTREL_CHECK_PROPERTY_SEED and VOSTREL_CHECK_PROPERTY_RUNS override the first seed and the
// number of sequences.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "ClickSequenceSetup.h"
#include "TestHost.h"
#include "app/frmWendax.h"
#include "check/MenuCheck.h"
#include "files/TextFile.h"
#include "files/Windows1252.h"

namespace click_sequences {

namespace fs = std::filesystem;
using vostrel::app::Answer;
using vostrel::app::frmWendax;

// What the generator knows about a sequence once it is built, to show that the sequences
// reach the interesting corners at all.
struct Reached {
    bool autoRun = false;
    bool settingsBlock = false;
    bool settingsInAutoRun = false;  // only after Yes to the question that ends the main block
    int pages = 0;
    bool restarted = false;  // the menu was deleted on a language switch and built anew
};

enum class Phase { Empty, BlockOpen, BlockEnded };

// One random click sequence on a fresh window. The clicks keep to the building order; the
// ones that change no line (show menu, preview, selecting a line, options) are mixed in, since
// a user does them between building clicks too.
class ClickSequence {
public:
    ClickSequence(std::uint32_t seed, const fs::path& folder) : seed_(seed), random_(seed), folder_(folder) {
        // The user at the message boxes: questions (is the block finished, delete the menu)
        // are answered at random, everything else is acknowledged. Every dialog is cancelled
        // until the verdict names the file to save.
        host_.answerRule = [this](const vostrel::app::MessageRequest& request) {
            if (request.buttons != vostrel::app::MessageButtons::YesNo) return Answer::Ok;
            return chance(0.5) ? Answer::Yes : Answer::No;
        };
    }
    // The host's rule draws from this sequence's random numbers.
    ClickSequence(const ClickSequence&) = delete;
    ClickSequence& operator=(const ClickSequence&) = delete;

    void build() {
        static constexpr const char* kLanguages[] = {"Deutsch", "English", "Français"};
        const std::string language = kLanguages[pick(3)];
        reached_.autoRun = chance(0.4);
        const bool lock = chance(0.3);
        const bool portrait = chance(0.5);
        settings_ = settingsFile(language, reached_.autoRun, lock, portrait);
        writeSettings(folder_, settings_);

        form_.emplace(host_, folder_);
        form_->Form_Load();
        record("start");

        // Some blocks are closed after a click or two, some run over many pages.
        int blockLength = nextBlockLength();
        int inBlock = 0;
        while (true) {
            const Phase phase = currentPhase();
            const bool outOfClicks = clicks_ >= kClickBudget;
            if (phase == Phase::Empty) {
                if (outOfClicks || chance(0.8))
                    startMainBlock();
                else
                    lookAround();
                inBlock = 0;
                continue;
            }
            if (phase == Phase::BlockOpen) {
                if (outOfClicks || inBlock >= blockLength) {
                    if (!endBlock()) {
                        stuck_ = true;
                        return;
                    }
                    blockLength = nextBlockLength();
                    inBlock = 0;
                    continue;
                }
                inBlockClick();
                ++inBlock;
                continue;
            }
            // The last block is ended.
            if (outOfClicks) return;
            const bool mainEnded = !holds(kSettingsHead);
            const auto& settingsButton = form_->cmdWXButton(10);
            if (mainEnded && settingsButton.enabled() && chance(0.6)) {
                click("cmdWXButton", 10);
                inBlock = 0;
            } else if (chance(0.35)) {
                lookAround();
            } else {
                return;
            }
        }
    }

    // Empty when the menu checks without an error, else what went wrong.
    std::string verdict() {
        if (stuck_) return "the block could not be ended by a click";
        if (currentPhase() != Phase::BlockEnded) return "the sequence did not end its last block";
        const auto& lines = form_->cboMenu.entries();
        std::string problems = judge("document", vostrel::check::checkMenu(lines));

        // The file as the editor saves it, checked the way the tool checks a file.
        const fs::path saved = folder_ / "built.mnu";
        fs::remove(saved);
        host_.fileRule = [saved](const vostrel::app::FileDialogRequest& request) {
            return request.kind == vostrel::app::FileDialogKind::Save ? std::optional(saved) : std::nullopt;
        };
        form_->mnuDSpeichern_Click();
        const auto bytes = vostrel::files::readFileBytes(saved);
        if (!bytes) return problems + "the editor saved no file\n";
        if (vostrel::files::splitLines(vostrel::files::decodeWindows1252(*bytes)) != lines)
            problems += "the saved file does not read back as the document\n";
        problems += judge("saved file", vostrel::check::checkMenuFileBytes(*bytes));
        return problems;
    }

    std::string report() const {
        std::ostringstream out;
        out << "seed " << seed_ << " (" << clicks_ << " clicks)\n---- scenario\nfile Zumzum.ini "
            << scenarioWord(settings_) << '\n'
            << scenario_.str() << "---- document\n";
        for (const auto& line : form_->cboMenu.entries()) out << line << '\n';
        return out.str();
    }

    int clicks() const { return clicks_; }
    const std::vector<std::string>& document() const { return form_->cboMenu.entries(); }
    const Reached& reached() const { return reached_; }
    // The questions answered and the other boxes acknowledged during the whole sequence.
    int questions() const { return countMessages(true); }
    int warnings() const { return countMessages(false); }

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int countMessages(bool questions) const {
        return static_cast<int>(
            std::count_if(host_.messages.begin(), host_.messages.end(), [questions](const auto& m) {
                return (m.buttons == vostrel::app::MessageButtons::YesNo) == questions;
            }));
    }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    int nextBlockLength() {
        const double kind = std::uniform_real_distribution<double>(0, 1)(random_);
        if (kind < 0.5) return pick(8);
        if (kind < 0.85) return pick(40);
        return 40 + pick(kClickBudget - 40);
    }

    bool holds(std::string_view line) const {
        const auto& lines = form_->cboMenu.entries();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    // Read from the document alone: a block is ended exactly when its last line is the
    // menu-end item, since nothing else writes that line and a block start or next page
    // always ends in a page head.
    Phase currentPhase() const {
        const auto& lines = form_->cboMenu.entries();
        if (lines.empty()) return Phase::Empty;
        return lines.back() == kMenuEndItem ? Phase::BlockEnded : Phase::BlockOpen;
    }

    // ---- Clicks, each written down as a scenario step --------------------------------------

    void record(const std::string& step) {
        for (; recordedMessages_ < host_.messages.size(); ++recordedMessages_) {
            if (host_.messages[recordedMessages_].buttons != vostrel::app::MessageButtons::YesNo) continue;
            const bool yes = host_.answers[recordedMessages_] == Answer::Yes;
            scenario_ << "answer " << (yes ? "yes" : "no") << '\n';
        }
        scenario_ << step << '\n';
    }

    // A click goes only to a control that takes it, as in the window.
    bool click(const char* control, int index) {
        const std::string name = control;
        bool taken = false;
        if (name == "cmdWXButton") {
            const auto& button = form_->cmdWXButton(index);
            taken = button.enabled() && button.visible();
            if (taken) form_->cmdWXButton_Click(static_cast<std::int16_t>(index));
        } else if (name == "imgWXMenu") {
            taken = form_->field.imgWXMenu[static_cast<std::size_t>(index)].enabled();
            if (taken) form_->imgWXMenu_Click(index);
        } else if (name == "imgMenH") {
            taken = true;
            form_->imgMenH_Click(index);
        } else {
            taken = true;
            form_->imgMenQ_Click(index);
        }
        if (!taken) return false;
        ++clicks_;
        record("click " + name + " " + std::to_string(index));
        if (name == "cmdWXButton" && index == 10) {
            reached_.settingsBlock = true;
            reached_.settingsInAutoRun = reached_.settingsInAutoRun || form_->mnuEPageAuto.checked();
        }
        reached_.pages = std::max<int>(reached_.pages, form_->NextPageNumber - 1);
        return true;
    }

    void chooseMenu(const char* item) {
        if (!form_->chooseMenuItem(item)) return;
        ++clicks_;
        record(std::string("menu ") + item);
    }

    void startMainBlock() {
        // Switching auto-run on is the other way to begin: it starts the main block itself.
        // (Once a manual block has begun, that switch is left out; see changeOption.)
        if (form_->mnuEPageAuto.takesClicks() && !form_->mnuEPageAuto.checked() && chance(0.2)) {
            chooseMenu("mnuEPageAuto");
            if (currentPhase() == Phase::BlockOpen) return;
        }
        click("cmdWXButton", 3);
    }

    bool endBlock() {
        if (chance(0.5) && click("cmdWXButton", 4)) return true;
        return click("imgWXMenu", frmWendax::kMenuEndButton) && currentPhase() == Phase::BlockEnded;
    }

    void inBlockClick() {
        // Weights: command, next page, menu end, language, look around, options.
        std::discrete_distribution<int> kind({40, 8, 2, 2, 4, 1});
        switch (kind(random_)) {
            case 0: {
                int button = 1 + pick(vostrel::catalogue::kCommandCount - 2);
                if (button >= frmWendax::kNextPageButton) button += 2;  // page and page1 below
                click("imgWXMenu", button);
                break;
            }
            case 1:
                if (!(chance(0.5) && click("cmdWXButton", 0))) click("imgWXMenu", frmWendax::kNextPageButton);
                break;
            case 2: endBlock(); break;
            case 3: switchLanguage(); break;
            case 4: lookAround(); break;
            default: changeOption(); break;
        }
    }

    // A switch with lines in the document asks whether to delete the menu; Yes starts afresh
    // (auto-run begins the next main block at once).
    void switchLanguage() {
        const int button = std::array{1, 5, 7}[static_cast<std::size_t>(pick(3))];
        const int before = form_->cboMenu.count();
        if (click("cmdWXButton", button) && form_->cboMenu.count() < before) reached_.restarted = true;
    }

    void changeOption() {
        // Auto-run can be switched off only before the first command of a fresh block, and
        // switching off empties the document. Switching it on in the middle of a manual block
        // is left out: it starts a second main block in the same document.
        if (form_->mnuEPageAuto.checked() && form_->mnuEPageAuto.takesClicks() && chance(0.5)) {
            chooseMenu("mnuEPageAuto");
            return;
        }
        chooseMenu(chance(0.5) ? "mnuEButtonSperren" : "mnuBHochformat");
    }

    // Clicks that look at the menu and change no line, and now and then a language switch.
    void lookAround() {
        switch (pick(5)) {
            case 0: click("cmdWXButton", 9); break;
            case 1: click(chance(0.5) ? "imgMenH" : "imgMenQ", pick(6)); break;
            case 2: {
                const int lines = form_->cboMenu.count();
                if (lines == 0 || !form_->cboMenu.enabled()) break;
                const int line = pick(lines);
                form_->userSelectsLine(line);
                ++clicks_;
                record("select " + std::to_string(line));
                break;
            }
            case 3: {
                auto& bar = form_->preview.HScroll1;
                if (!bar.enabled() || !bar.visible()) break;
                const int value = std::min(bar.min(), bar.max()) + pick(std::abs(bar.max() - bar.min()) + 1);
                form_->userScrolls(bar, value);
                ++clicks_;
                record("scroll HScroll1 " + std::to_string(value));
                break;
            }
            default: switchLanguage(); break;
        }
    }

    std::string judge(const char* what, const std::vector<vostrel::check::Finding>& findings) const {
        // A settings block that no item leads to, an item leading to no settings block, or a
        // page left without a command is the user's choice of commands; the check only warns.
        static const std::set<std::string> allowedWarnings = {
            "settings-unreachable", "menu-preferences-without-settings", "empty-page"};
        std::string problems;
        for (const auto& f : findings)
            if (f.severity == vostrel::check::Severity::Error || !allowedWarnings.contains(f.rule))
                problems += std::string(what) + ": line " + std::to_string(f.line) + ": " +
                            f.message.english + " [" + f.rule + "]\n";
        return problems;
    }

    std::uint32_t seed_;
    std::mt19937 random_;
    vostrel::testsupport::TestHost host_;
    std::size_t recordedMessages_ = 0;  // the host's messages already written into the scenario
    fs::path folder_;
    std::optional<frmWendax> form_;
    std::string settings_;
    std::ostringstream scenario_;
    int clicks_ = 0;
    bool stuck_ = false;
    Reached reached_;
};

}  // namespace click_sequences
