#include "help/HelpTexts.h"

#include <array>
#include <stdexcept>
#include <string>

namespace vostrel::help {
namespace {

using Notice = std::array<std::string_view, 3>;

constexpr Notice kGermanTerms = {
    "Dieses Programm ist Freeware und darf kostenlos weitergegeben, aber nicht verkauft werden.",
    "Die Benutzung erfolgt auf eigene Gefahr; für Schäden an Daten oder Geräten wird keine "
    "Haftung übernommen.",
    "Wendax ist ein Produkt seines Herstellers, der mit diesem Programm nichts zu tun hat.",
};

constexpr Notice kEnglishTerms = {
    "This program is freeware; you may pass it on free of charge, but you must not sell it.",
    "You use it at your own risk; no liability is accepted for damage to data or devices.",
    "Wendax is a product of its maker, who has nothing to do with this program.",
};

constexpr Notice kFrenchTerms = {
    "Ce programme est un gratuiciel: vous pouvez le diffuser gratuitement, mais pas le vendre.",
    "Vous l'utilisez à vos propres risques; aucune responsabilité n'est acceptée pour des "
    "dommages aux données ou aux appareils.",
    "Wendax est un produit de son fabricant, qui n'a aucun lien avec ce programme.",
};

// Example data only: the real address is filled in by whoever distributes the program, and
// no person's name belongs into a text that ships with every copy.
constexpr std::array<std::string_view, 4> kAddress = {
    "RU6 Vostrel",
    "Postfach 12 34",
    "12345 Musterstadt",
    "Deutschland",
};

}  // namespace

std::string_view purposeSentence(HelpLanguage language) {
    switch (language) {
        case HelpLanguage::German:
            return "Zum Erstellen einer eigenen Menü-Folge für das Navi-Programm RU6 auf dem PC.";
        case HelpLanguage::English:
            return "This is a program to build own menus for the Navi-program RU6 on PC.";
        case HelpLanguage::French:
            return "Ce programme permet de créer des menus personnalisés pour RU6 sur PC.";
    }
    throw std::invalid_argument("purpose sentence: unknown help language");
}

std::string termsOfUse(HelpLanguage language) {
    switch (language) {
        case HelpLanguage::German: return joinLinesCrLf(kGermanTerms);
        case HelpLanguage::English: return joinLinesCrLf(kEnglishTerms);
        case HelpLanguage::French: return joinLinesCrLf(kFrenchTerms);
    }
    throw std::invalid_argument("terms of use: unknown help language");
}

std::string_view designTermsOfUse() {
    // The design notice was never worded apart from the German one; keeping one source means
    // the two cannot drift.
    static const std::string text = joinLinesCrLf(kGermanTerms);
    return text;
}

std::string contactAddress() { return joinLinesCrLf(kAddress); }

}  // namespace vostrel::help
