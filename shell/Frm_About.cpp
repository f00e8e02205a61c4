#include "shell/Frm_About.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "disegni/Icona.h"
#include "platform/ui/Controlli.h"
#include "platform/ui/Posiziona.h"
#include "shell/Applicazione.h"

namespace {

// A caption of the window, top-aligned, its font fitted to its box.
QLabel* Etichetta(QWidget* parent, const char* nome, const QString& testo, int l, int t, int w, int h) {
    return ::Etichetta(parent, QString::fromLatin1(nome), testo, l, t, w, h, nullptr,
                       Qt::AlignLeft | Qt::AlignTop);
}

// The whole-number value of a text as the timer's step reads it: leading
// blanks, an optional sign and digits; anything else counts as 0.
int ValoreIntero(const QString& s) {
    int i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) ++i;
    bool negativo = false;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) {
        negativo = s[i] == QLatin1Char('-');
        ++i;
    }
    long long v = 0;
    while (i < s.size() && s[i].isDigit() && v < 1000000) v = v * 10 + s[i++].digitValue();
    return static_cast<int>(negativo ? -v : v);
}

}  // namespace

// ---------------------------------------------------------------- StrisciaTitoli

StrisciaTitoli::StrisciaTitoli(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void StrisciaTitoli::Svuota() {
    righe_.clear();
    update();
}

void StrisciaTitoli::StampaCentrato(const QString& riga) {
    righe_.append(riga);
    update();
}

int StrisciaTitoli::AltezzaRiga() const { return fontMetrics().height(); }

void StrisciaTitoli::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm = fontMetrics();
    const int h = AltezzaRiga();
    for (int k = 0; k < righe_.size(); ++k) {
        const int x = (width() - fm.horizontalAdvance(righe_[k])) / 2;
        p.drawText(x, k * h + fm.ascent(), righe_[k]);
    }
}

// ---------------------------------------------------------------- Frm_About

QStringList Frm_About::TitoliDiCoda() {
    return {
        Qs("*************** Calcolo  di  Trasformatori ***************"),
        QString(),
        Qs("Dimostrazione a Scopo Didattico del Calcolo"),
        QString(),
        Qs("di tutti i Parametri necessari per la"),
        QString(),
        Qs("realizzazione di Trasformatori."),
        QString(),
        Qs("- Trasformatori Monofasi"),
        QString(),
        Qs("- AutoTrasformatori Monofasi"),
        QString(),
        Qs("- Trasformatori Trifasi"),
        QString(),
        Qs("- Autotrasformatori Trifasi"),
        QString(),
        Qs("- Trasformatori di Uscita per Amplificatori Valvolari"),
        QString(),
        QString(),
        QString(),
        QString(),
        Qs("e senza alcuna garanzia."),
        QString(),
        Qs("L'autore non si assume alcuna responsabilità"),
        QString(),
        Qs("per eventuali errori o malfunzionamenti"),
        QString(),
        Qs("derivanti dall'utilizzo di questo programma."),
        QString(),
        Qs("**********************************************************"),
    };
}

Frm_About::Frm_About(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("Frm_About");
    setWindowTitle(Qs("Informazioni su Calcolo di Trasformatori"));
    QFont base = font();
    base.setPixelSize(11);
    setFont(base);
    Dimensiona(this, 8910, 6525);
    setFixedSize(size());

    Etichetta(this, "lblTitle", Qs("Titolo applicazione"), 480, 120, 2565, 240);
    Etichetta(this, "lblVersion", Qs("Versione"), 4560, 240, 2805, 225);
    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    icon->setLineWidth(2);
    const QPixmap pm = QPixmap::fromImage(disegni::Icona());
    icon->setPixmap(pm);
    // Sized to its picture (plus its border).
    icon->setGeometry(Px(7560), Px(120), pm.width() + 4, pm.height() + 4);
    Etichetta(this, "Label3", Qs("Descrizione Aggiornamenti : "), 480, 360, 2010, 195);
    Etichetta(this, "lblDescVers", Qs("Aggiornamenti"), 480, 600, 7815, 855);
    Etichetta(this, "Label1", Qs("Software per Windows ® 9x/Me/NT/2000/XP"), 480, 1680, 3585, 315);
    Etichetta(this, "Label7", Qs("Risoluzione video minimo 800x600"), 5280, 1680, 3135, 195);
    Etichetta(this, "lblDescription", QString(), 480, 2040, 7965, 1290);

    picture1_ = new QFrame(this);
    picture1_->setObjectName("Picture1");
    picture1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture1_->setLineWidth(2);
    Posiziona(picture1_, 480, 3360, 7905, 1770);
    // The inner area of the viewport: the strip is placed in its coordinates
    // and clipped to it, so it never paints over the viewport's border.
    interno_ = new QWidget(picture1_);
    interno_->setObjectName("Picture1_Interno");
    interno_->setGeometry(picture1_->contentsRect());
    picture3_ = new StrisciaTitoli(interno_);
    picture3_->setObjectName("Picture3");
    Posiziona(picture3_, 120, 600, 7620, 1455);

    auto* ok = new QPushButton(Qs("OK"), this);
    ok->setObjectName("cmdOK");
    Posiziona(ok, 120, 5520, 1260, 915);
    ok->setDefault(true);  // Enter; Esc closes the dialog as well
    Etichetta(this, "lblDisclaimer", Qs("Avviso"), 1560, 5520, 7215, 855);
    connect(ok, &QPushButton::clicked, this, &Frm_About::cmdOK_Click);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(20);
    timer1_->setProperty("Tag", QStringLiteral("1"));  // the scroll step, read again at each tick
    connect(timer1_, &QTimer::timeout, this, &Frm_About::Timer1_Timer);
    connect(this, &QDialog::finished, timer1_, &QTimer::stop);

    if (QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - rect().center());
    }
    Form_Load();
}

void Frm_About::Form_Load() {
    const QString titolo = Qs(applicazione::kTitolo);
    setWindowTitle(Qs("Informazioni su ") + titolo);
    // The numbers are read directly, not taken from the shared version text.
    findChild<QLabel*>("lblVersion")
        ->setText(Qs("Versione  " + std::to_string(applicazione::kMaggiore) + "." +
                     std::to_string(applicazione::kMinore) + "." + std::to_string(applicazione::kRevisione) +
                     "   del  2014"));
    findChild<QLabel*>("lblTitle")->setText(titolo);
    findChild<QLabel*>("lblDescVers")
        ->setText(Qs("Ver.1.5.0  Nuovo Formato Librerie Rame;    Nuovo Formato File Progetto di Calcolo "
                     "Trasformatori\n"
                     "tutti i file aperti e salvati con questa versione non sono compatibili con la versione "
                     "precedente. \n"
                     "In ogni vecchio progetto aperto aggiornare il File Libreria Rame e salvare di nuovo il "
                     "progetto\n") +
                  QString(45, QLatin1Char('-')));
    const QString rientro(69, QLatin1Char(' '));
    findChild<QLabel*>("lblDescription")
        ->setText(Qs("Calcolo dei seguenti tipi di Trasformatori:     Trasformatori Monofase \n") + rientro +
                  Qs("AutoTrasformatori Monofase\n") + rientro + Qs("Trasformatori Trifase\n") + rientro +
                  Qs("AutoTrasformatori Trifase \n") + rientro +
                  Qs("Trasformatori di Uscita per Amplificatori Valvolari"));
    findChild<QLabel*>("lblDisclaimer")->setText(QString());
    for (const char* nome : {"lblVersion", "lblTitle", "lblDescVers", "lblDescription"}) {
        auto* lbl = findChild<QLabel*>(QString::fromLatin1(nome));
        AdattaCarattere(lbl, lbl->text());
    }
    ScrollText();
}

int Frm_About::AltezzaVisibile() const { return interno_->height(); }
int Frm_About::AltezzaStriscia() const { return picture3_->height(); }

void Frm_About::PosizionaStriscia() { picture3_->move(picture3_->x(), cima_); }

void Frm_About::ScrollText() {
    picture1_->update();
    timer1_->stop();
    picture3_->hide();
    // Start just below the visible area, with the viewport's colour so only
    // the text stands out, tall enough for exactly 30 lines.
    cima_ = AltezzaVisibile();
    QPalette pal = picture3_->palette();
    pal.setColor(QPalette::Window, picture1_->palette().color(QPalette::Window));
    picture3_->setPalette(pal);
    picture3_->setFont(picture1_->font());
    picture3_->resize(picture3_->width(), 30 * picture3_->AltezzaRiga());
    PosizionaStriscia();
    picture3_->Svuota();
    for (const QString& riga : TitoliDiCoda()) picture3_->StampaCentrato(riga);
    picture3_->show();
    timer1_->start();
}

void Frm_About::Timer1_Timer() {
    const int passo = ValoreIntero(timer1_->property("Tag").toString());
    // Restart once the strip's bottom edge has reached the viewport's top edge.
    if (cima_ + AltezzaStriscia() <= 0) {
        ScrollText();
        return;
    }
    cima_ -= passo;
    PosizionaStriscia();
}

void Frm_About::cmdOK_Click() {
    timer1_->stop();
    accept();
}

void Frm_About::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    // The etched separator above the button.
    QPainter p(this);
    const int y = Px(5280);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.drawLine(Px(105), y + 1, Px(8760), y + 1);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawLine(Px(120), y, Px(8760), y);
}
