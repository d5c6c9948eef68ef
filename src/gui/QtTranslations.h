#pragma once

#include <QString>
#include <memory>

#include "controls/Language.h"

class QTranslator;

namespace vostrel::gui {

// Qt's own texts (the buttons of message boxes, the file dialogs) in the
// interface language. Qt's source texts are English, so English needs none.
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Installs the translations of the language the flags name, unless they
    // are installed already; cheap enough to call after every event.
    void follow(const controls::LanguageFlags& language);
    // "de", "fr", or "" when Qt speaks its own English.
    const QString& installed() const { return installed_; }

private:
    std::unique_ptr<QTranslator> translator_;
    QString installed_;
};

}  // namespace vostrel::gui
