#include "platform/ui/Traduzione.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool CaricaTraduzioneQt() {
    auto* traduttore = new QTranslator(QCoreApplication::instance());
    const bool trovata = traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (trovata)
        QCoreApplication::installTranslator(traduttore);
    else
        delete traduttore;
    return trovata;
}
