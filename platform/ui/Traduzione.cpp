#include "platform/ui/Traduzione.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The texts of Qt's dialogs that its Italian translation leaves in English.
class TestiMancanti : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* contesto, const char* testo, const char*, int) const override {
        static const struct {
            const char* contesto;
            const char* testo;
            const char* italiano;
        } voci[] = {
            {"QPrintSettingsOutput", "Double Sided Printing", "Stampa fronte/retro"},
            {"QPrintSettingsOutput", "Off", "No"},
            {"QPrintSettingsOutput", "Long side binding", "Rilegatura sul lato lungo"},
            {"QPrintSettingsOutput", "Short side binding", "Rilegatura sul lato corto"},
            {"QPrintSettingsOutput", "Pages", "Pagine"},
            {"QPrintSettingsOutput",
             "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
             "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
             "Pagine o intervalli separati da virgole; un intervallo è dato da due numeri separati da un "
             "trattino. Ad esempio 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9."},
            {"QPrintPropertiesWidget", "Advanced", "Avanzate"},
            {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
             "Alcune opzioni sono in conflitto: correggerle."},
            {"QAbstractFileIconProvider", "Folder", "Cartella"},
            {"QAbstractFileIconProvider", "Drive", "Unità"},
        };
        for (const auto& v : voci)
            if (qstrcmp(v.contesto, contesto) == 0 && qstrcmp(v.testo, testo) == 0)
                return QString::fromUtf8(v.italiano);
        return {};
    }
};

}  // namespace

bool CaricaTraduzioneQt() {
    auto* traduttore = new QTranslator(QCoreApplication::instance());
    const bool trovata = traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (trovata) {
        QCoreApplication::installTranslator(traduttore);
        QCoreApplication::installTranslator(new TestiMancanti(traduttore));
    } else {
        delete traduttore;
    }
    return trovata;
}
