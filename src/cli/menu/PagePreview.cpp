#include "cli/menu/PagePreview.h"

#include <cstdint>

#include "catalogue/CommandTable.h"
#include "controls/ListBox.h"
#include "preview/MenuPreview.h"

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
        preview_.setSources({document_, table_, buttons_, language_, nextPageNumber_});
    }

    std::optional<ShownPage> show(int requested) {
        preview_.PreviewPage = static_cast<std::int16_t>(requested);
        preview_.ClearPreview();
        const auto found = preview_.RenderPreview();
        if (found.outcome == preview::FoundPage::Outcome::NoHead) return std::nullopt;
        ShownPage page;
        page.number = found.page;
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

std::vector<ShownPage> showAllPages(const std::vector<std::string>& lines, check::Language language) {
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
