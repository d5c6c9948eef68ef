#include "gui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vostrel::gui {

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

void QtTranslations::follow(const controls::LanguageFlags& language) {
    const QString wanted = language.german   ? QStringLiteral("de")
                           : language.french ? QStringLiteral("fr")
                                             : QString();
    if (wanted == installed_) return;
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
    installed_.clear();
    if (wanted.isEmpty()) return;
    auto translator = std::make_unique<QTranslator>();
    // A copy beside the program comes first, so a portable folder can carry its own.
    const QString file = QStringLiteral("qtbase_") + wanted;
    if (!translator->load(file, QCoreApplication::applicationDirPath() + QStringLiteral("/translations")) &&
        !translator->load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;  // without them Qt's texts stay English; nothing else depends on them
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    installed_ = wanted;
}

}  // namespace vostrel::gui
