#include "gui/CommandCaptions.h"

#include "gui/CaptionLabel.h"
#include "gui/QtHost.h"

namespace vostrel::gui {

QString spokenName(const controls::Label& caption, const controls::Image& image) {
    const QString name = spokenCaption(displayText(caption.caption()));
    return name.isEmpty() ? displayText(image.tooltip()) : name;
}

void mirrorCaption(CaptionLabel* label, const controls::Label& caption,
                   const std::function<void()>& nameButton) {
    const QString text = displayText(caption.caption());
    label->setText(text);
    label->setAccessibleDescription(spokenCaption(text));
    nameButton();
}

}  // namespace vostrel::gui
