#include "cli/menu/PagePreview.h"

#include <cstdint>

#include "catalogue/CommandTable.h"
#include "controls/ListBox.h"
#include "menu/LineSyntax.h"
#include "preview/MenuPreview.h"
#include "text/LineText.h"

namespace vostrel::cli::menu {

namespace {

// The preview with the sources it reads: the document, the command table and the command
// buttons whose tooltips name the commands.
class HeadlessPreview {
public:
    HeadlessPreview(const std::vector<std::string>& lines, check::Language language) {
        document_.assignAll(lines);
        table_.assignAll(catalogue::buildCommandRows());
        for (int k = 0; k < table_.count(); ++k)
            buttons_[static_cast<std::size_t>(k + 1)].setTooltip(catalogue::rowCommand(table_.entry(k)));
        language_.setOnly(language == check::Language::German, language == check::Language::English,
                          language == check::Language::French);
        preview_.setSources({&document_, &table_, &buttons_, &language_, &nextPageNumber_});
    }

    // The preview leaves its page number alone when it finds no page, which cannot be told
    // apart from finding the requested page; so the search rule is asked first. A line is a
    // page-head candidate when characters 19-20 read a number, that number is at least the
    // requested page, and the line reaches character 21. Line 1 is never looked at.
    bool hasPageFrom(int requested) const {
        for (int i = 1; i < document_.count(); ++i) {
            const auto& line = document_.entry(i);
            const int n = vostrel::menu::pageNumber(line);
            if (n != 0 && n >= requested && text::charLength(line) >= 21) return true;
        }
        return false;
    }

    std::optional<ShownPage> show(int requested) {
        if (!hasPageFrom(requested)) return std::nullopt;
        preview_.PreviewPage = static_cast<std::int16_t>(requested);
        preview_.ClearPreview();
        preview_.RenderPreview();
        ShownPage page;
        page.number = preview_.PreviewPage;
        page.title = preview_.lblMenuH.caption();
        for (int p = 0; p < kPlaceCount; ++p) {
            auto& place = page.places[static_cast<std::size_t>(p)];
            place.picture = preview_.imgMenH[static_cast<std::size_t>(p)].visible();
            if (place.picture) place.command = preview_.imgMenH[static_cast<std::size_t>(p)].tooltip();
            place.caption = preview_.lblMenH[static_cast<std::size_t>(p)].caption();
        }
        return page;
    }

private:
    controls::ListBox document_{"cboMenu"};
    controls::ListBox table_{"cboSprachen"};
    preview::CommandButtons buttons_;
    controls::LanguageFlags language_;
    std::int16_t nextPageNumber_ = 1;
    preview::MenuPreview preview_;
};

}  // namespace

std::optional<ShownPage> showPage(const std::vector<std::string>& lines, int requested,
                                  check::Language language) {
    return HeadlessPreview(lines, language).show(requested);
}

std::vector<ShownPage> showAllPages(const std::vector<std::string>& lines,
                                    check::Language language) {
    HeadlessPreview preview(lines, language);
    std::vector<ShownPage> pages;
    // The shown page is never below the requested one, so asking for the page after it always
    // moves on and the loop ends.
    for (int requested = 0; auto page = preview.show(requested);) {
        requested = page->number + 1;
        pages.push_back(std::move(*page));
    }
    return pages;
}

}  // namespace vostrel::cli::menu
