#include "shell/Frm_Splash.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "disegni/Copertina.h"
#include "engine/ModuleDIC.h"
#include "platform/ui/Controlli.h"
#include "platform/ui/Posiziona.h"
#include "shell/Applicazione.h"

namespace {

QFont Carattere(const QFont& base, const char* famiglia, int pixel, bool grassetto = false) {
    QFont f = base;
    f.setFamilies({QString::fromLatin1(famiglia)});
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    return f;
}

QLabel* Etichetta(QWidget* parent, const char* nome, const char* testo, const QFont& font, int l, int t,
                  int w, int h) {
    return ::Etichetta(parent, QString::fromLatin1(nome), Qs(testo), l, t, w, h, &font);
}

QRadioButton* Opzione(QWidget* parent, QButtonGroup* gruppo, const char* nome, const char* testo, int t,
                      int w) {
    auto* opt = new QRadioButton(Qs(testo), parent);
    opt->setObjectName(QString::fromLatin1(nome));
    Posiziona(opt, 120, t, w, 195);
    // The indicator needs a few pixels more than the form's 13; the rows are 16 apart.
    opt->resize(opt->width(), Px(240));
    gruppo->addButton(opt);
    return opt;
}

QPushButton* Bottone(QWidget* parent, const char* nome, const char* testo, int l, int t, int w, int h) {
    QPushButton* b = Pulsante(parent, QString::fromLatin1(nome), Qs(testo), {}, l, t, w, h);
    AdattaCarattere(b, b->text());
    return b;
}

}  // namespace

Frm_Splash::Frm_Splash(ModuleDIC& dati, IFinestre* finestre, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      dati_(dati),
      finestre_(finestre) {
    setObjectName("Frm_Splash");
    QFont base = font();
    base.setPixelSize(11);
    setFont(base);
    Dimensiona(this, 7890, 6465);
    setFixedSize(size());

    const QFont arial = Carattere(base, "Arial", 13);
    const QFont comic = Carattere(base, "Comic Sans MS", 19);
    const QFont comicTitolo = Carattere(base, "Comic Sans MS", 26, true);

    auto* frame1 = new QGroupBox(this);
    frame1->setObjectName("Frame1");
    Posiziona(frame1, 120, 0, 7680, 3885);
    Etichetta(frame1, "Label4", "Marlovine per Windows", arial, 120, 240, 2505, 270);
    Etichetta(frame1, "lblPlatform", "9x/Me/NT/2000/XP", arial, 2880, 240, 1905, 270);
    lblVersion_ = Etichetta(frame1, "lblVersion", "Versione", arial, 5880, 240, 945, 270);
    Etichetta(frame1, "Lbl_Titolo", "Dimensionamento di:", comicTitolo, 120, 720, 3990, 570);
    Etichetta(frame1, "Lbl_Mono", "-Trasformatori Monofasi", comic, 120, 1440, 3480, 405);
    Etichetta(frame1, "Label1", "-AutoTrasformatori Monofasi", comic, 120, 1920, 4125, 405);
    Etichetta(frame1, "Lbl_Trifasi", "-Trasformatori Trifasi", comic, 120, 2400, 3180, 405);
    Etichetta(frame1, "Label2", "-AutoTrasformatori Trifasi", comic, 120, 2880, 3825, 405);
    Etichetta(frame1, "Lbl_Uscita", "-Trasformatori di Uscita per Amplificatori Valvolari", comic, 120, 3360,
              7230, 405);
    auto* image1 = new QLabel(frame1);
    image1->setObjectName("Image1");
    image1->setPixmap(QPixmap::fromImage(disegni::Copertina()));
    Posiziona(image1, 4560, 480, 3000, 3000);

    auto* frame2 = new QGroupBox(Qs("Scegliere il Tipo di Calcolo"), this);
    frame2->setObjectName("Frame2");
    Posiziona(frame2, 120, 3960, 7695, 1695);
    auto* gruppo = new QButtonGroup(this);
    gruppo->setExclusive(true);
    optAlim_ = Opzione(frame2, gruppo, "Opt_Alim", "Calcolo di Trasformatori di Alimentazione Monofasi", 360, 5055);
    optAuto_ = Opzione(frame2, gruppo, "Opt_Auto", "Calcolo di AutoTrasformatori di Alimentazione Monofasi", 600,
                       5055);
    optTrif_ = Opzione(frame2, gruppo, "Opt_Trif", "Calcolo di Trasformatori di Alimentazione Trifasi", 840, 5055);
    optAutoTrif_ = Opzione(frame2, gruppo, "Opt_AutoTrif", "Calcolo di AutoTrasformatori di Alimentazione Trifasi",
                           1080, 5055);
    optUsci_ = Opzione(frame2, gruppo, "Opt_Usci",
                       "Calcolo di Trasformatori di Uscita per Amplificatori Valvolari Audio ", 1320, 6375);
    optAlim_->setChecked(true);
    auto* cmdOk = Bottone(frame2, "Cmd_Ok", "Entra", 5280, 240, 2295, 975);

    auto* libLam = Bottone(this, "Cmd_CreaLibLami", "Crea Librerie Lamierini", 120, 5760, 2055, 615);
    auto* libRame = Bottone(this, "Cmd_CreaLibRame", "Crea Librerie Filo Smaltato", 2280, 5760, 2055, 615);
    auto* about = Bottone(this, "Cmd_About", "About", 4560, 5760, 1575, 615);
    auto* esci = Bottone(this, "Cmd_Esci", "Esci", 6240, 5760, 1575, 615);

    // Tab order: the options first, as their tab indexes say.
    setTabOrder(optAlim_, optAuto_);
    setTabOrder(optAuto_, optTrif_);
    setTabOrder(optTrif_, optAutoTrif_);
    setTabOrder(optAutoTrif_, optUsci_);
    setTabOrder(optUsci_, cmdOk);

    connect(cmdOk, &QPushButton::clicked, this, &Frm_Splash::Cmd_Ok_Click);
    connect(libLam, &QPushButton::clicked, this, &Frm_Splash::Cmd_CreaLibLami_Click);
    connect(libRame, &QPushButton::clicked, this, &Frm_Splash::Cmd_CreaLibRame_Click);
    connect(about, &QPushButton::clicked, this, &Frm_Splash::Cmd_About_Click);
    connect(esci, &QPushButton::clicked, this, &Frm_Splash::Cmd_Esci_Click);

    // Centred on the screen.
    if (QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - rect().center());
    }
    Form_Load();
}

void Frm_Splash::Form_Load() {
    // The version must be set before any design window opens: the windows show
    // it and the project files compare it on open.
    dati_.Versione = applicazione::Versione();
    lblVersion_->setText(Qs("Versione " + dati_.Versione));
    AdattaCarattere(lblVersion_, lblVersion_->text());
}

Finestra Frm_Splash::Scelta() const {
    if (optAuto_->isChecked()) return Finestra::AutoTrasf;
    if (optTrif_->isChecked()) return Finestra::Trifase;
    if (optAutoTrif_->isChecked()) return Finestra::AutoTrifase;
    if (optUsci_->isChecked()) return Finestra::Usci;
    return Finestra::Alim;
}

void Frm_Splash::Cmd_Ok_Click() {
    // The start window is blocked while the design window is open, so the
    // selection cannot change in between: exactly one window per press.
    Finestre().Mostra(Scelta());
}

IFinestre& Frm_Splash::Finestre() const { return finestre_ ? *finestre_ : Piattaforma::Finestre(); }

void Frm_Splash::Cmd_CreaLibLami_Click() { Finestre().Mostra(Finestra::CreaLibLam); }
void Frm_Splash::Cmd_CreaLibRame_Click() { Finestre().Mostra(Finestra::CreaLibRame); }
void Frm_Splash::Cmd_About_Click() { Finestre().Mostra(Finestra::About); }
void Frm_Splash::Cmd_Esci_Click() { close(); }

void Frm_Splash::closeEvent(QCloseEvent* e) {
    // Closing by the window manager ends the run like "Esci", without a question.
    e->accept();
    if (!scaricata_) {
        scaricata_ = true;
        emit Scaricata();
    }
}
