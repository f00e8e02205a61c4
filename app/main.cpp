#include <memory>

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QStyleFactory>

#include "app/Finestre.h"
#include "disegni/Icona.h"
#include "engine/ModuleDIC.h"
#include "platform/core/Avvio.h"
#include "platform/ui/Traduzione.h"
#include "shell/Applicazione.h"
#include "shell/Frm_Splash.h"

int main(int argc, char* argv[]) {
    avvio::PreparaProcesso();
    QApplication app(argc, argv);
    // Italian number conventions whatever the system locale says.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own dialogs speak the program's language too, when its translation is installed.
    CaricaTraduzioneQt();
    QApplication::setApplicationName(QString::fromUtf8(applicazione::kTitolo));
    QApplication::setApplicationVersion(QString::fromStdString(applicazione::Versione()));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(disegni::Icona())));

    // The one design data store of the run, shared by every window.
    auto dati = std::make_unique<ModuleDIC>();
    FinestreReali finestre(*dati);
    Piattaforma::ImpostaFinestre(&finestre);
    int esito = 0;
    {
        Frm_Splash splash(*dati);
        // The run ends when the start window is closed.
        QObject::connect(&splash, &Frm_Splash::Scaricata, &app, &QApplication::quit, Qt::QueuedConnection);
        splash.show();
        esito = app.exec();
    }
    Piattaforma::ImpostaFinestre(nullptr);
    return esito;
}
