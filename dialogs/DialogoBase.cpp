#include "dialogs/DialogoBase.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "platform/core/Numeri.h"
#include "platform/ui/Ui.h"

bool ControllaConMessaggio(CampoNumerico* c) {
    if (c->text().isEmpty()) return ControllaNome(c);
    // A refused value brings the row's message and leaves the field empty.
    if (!c->Verifica()) return false;
    c->SetGiallo(false);
    return true;
}

bool ControllaNome(CampoNumerico* c) {
    if (c->text().isEmpty()) {
        c->SetGiallo(true);
        c->clear();
        Piattaforma::Beep();
        return false;
    }
    c->SetGiallo(false);
    return true;
}

DialogoBase::DialogoBase(ModuleDIC& d, const char* nome, const QString& caption, int larghezza,
                         int altezza, QWidget* parent)
    : QDialog(parent), d_(d) {
    setObjectName(Qs(nome));
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    setFixedSize(Px(larghezza), Px(altezza));
}

void DialogoBase::PosizionaDaAngolo(int piuSinistra, int piuAlto) {
    daAngolo_ = true;
    piuSinistra_ = piuSinistra;
    piuAlto_ = piuAlto;
}

void DialogoBase::Colloca() {
    QWidget* finestra = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    QScreen* schermo = finestra ? finestra->screen() : screen();
    const QRect area = schermo ? schermo->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize esterno = frameGeometry().size();
    QPoint p;
    if (daAngolo_) {
        p = area.topLeft() + QPoint(esterno.height() + Px(piuSinistra_), esterno.width() + Px(piuAlto_));
    } else if (finestra && finestra != this) {
        p = finestra->frameGeometry().center() - QPoint(esterno.width() / 2, esterno.height() / 2);
    } else {
        p = area.center() - QPoint(esterno.width() / 2, esterno.height() / 2);
    }
    // Kept on the screen, its top left corner first.
    p.setX(qMax(area.left(), qMin(p.x(), area.right() + 1 - esterno.width())));
    p.setY(qMax(area.top(), qMin(p.y(), area.bottom() + 1 - esterno.height())));
    move(p);
}

void DialogoBase::showEvent(QShowEvent* e) {
    Colloca();
    FuocoSullaScelta();
    QDialog::showEvent(e);
}

void DialogoBase::FuocoSullaScelta() {
    if (focusWidget()) return;
    // The control the window's activation would give the focus to: the first
    // in the tab order that takes it.
    QWidget* primo = nextInFocusChain();
    while (primo != this && !((primo->focusPolicy() & Qt::TabFocus) && primo->isVisibleTo(this) && primo->isEnabled()))
        primo = primo->nextInFocusChain();
    // An option that is not the chosen one would change the choice on Space:
    // the chosen option of its group takes the focus instead.
    auto* opzione = qobject_cast<QRadioButton*>(primo);
    if (!opzione || opzione->isChecked() || !opzione->autoExclusive()) return;
    for (QRadioButton* o : opzione->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (o->isChecked() && o->autoExclusive() && o->isEnabled() && o->isVisibleTo(this)) {
            o->setFocus();
            return;
        }
}

void DialogoBase::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // The button that holds the focus answers Enter; else the default
        // button of a dialog without text fields (their fields take Enter themselves).
        auto* b = qobject_cast<QPushButton*>(focusWidget());
        if (!b)
            for (QPushButton* p : findChildren<QPushButton*>())
                if (p->isDefault() && p->isVisible()) b = p;
        if (b && b->isEnabled()) b->click();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void DialogoBase::Cmd_Stampa_Click() {
    Piattaforma::Dialoghi().Stampa(this, this, false, NomeDiStampa(NomeProgetto(d_.FileNome), windowTitle()));
}

CampoNumerico* DialogoBase::NuovoCampo(QWidget* parent, const RigaCampo& r, CampoNumerico::Tipo tipo,
                                       int x, int y, int w, int h) {
    CampoNumerico* c = Campo(parent, Qs(r.nome), r.limite, {}, x, y, w, h, tipo);
    if (tipo == CampoNumerico::Tipo::Numero) c->ImpostaLimiti(r.limiti);
    return c;
}

CampoNumerico* DialogoBase::CampoConMessaggio(QWidget* parent, const RigaCampo& r, int x, int y, int w,
                                              int h) {
    CampoNumerico* c = NuovoCampo(parent, r, CampoNumerico::Tipo::Numero, x, y, w, h);
    c->ImpostaControllo([c] { ControllaConMessaggio(c); });
    return c;
}

CampoNumerico* DialogoBase::CampoSilenzioso(QWidget* parent, const RigaCampo& r,
                                            std::function<void()> dopo, int x, int y, int w, int h) {
    CampoNumerico* c = NuovoCampo(parent, r, CampoNumerico::Tipo::Numero, x, y, w, h);
    c->ImpostaControllo([c, dopo = std::move(dopo)] {
        if (c->Verifica() && dopo) dopo();
    });
    return c;
}

CampoNumerico* DialogoBase::CampoNome(QWidget* parent, const RigaCampo& r, int x, int y, int w, int h) {
    CampoNumerico* c = NuovoCampo(parent, r, CampoNumerico::Tipo::Nome, x, y, w, h);
    c->ImpostaControllo([c] { ControllaNome(c); });
    return c;
}

void DialogoBase::TabellaScelte(QWidget* parent, const ColonnaScelte& opzione, QRadioButton** opzioni,
                                const std::vector<std::pair<ColonnaScelte, QLabel**>>& colonne,
                                int righe, int yIntestazione, const std::function<int(int)>& yRiga,
                                int altezza) {
    auto intesta = [&](const ColonnaScelte& c) {
        QLabel* l = Didascalia(parent, *c.nomeIntestazione ? Qs(c.nomeIntestazione) : Qs("Cap_") + Qs(c.nome),
                               Qs(c.intestazione), c.x, yIntestazione,
                               c.w, altezza, Qt::AlignCenter);
        if (*c.tooltipIntestazione) l->setToolTip(Qs(c.tooltipIntestazione));
    };
    intesta(opzione);
    for (const auto& [c, etichette] : colonne) intesta(c);
    for (int i = 0; i < righe; ++i) {
        const int y = yRiga(i);
        opzioni[i] = Opzione(parent, NomeIndice(opzione.nome, i), {}, Qs(opzione.tooltip), opzione.x, y,
                             opzione.w, altezza);
        for (const auto& [c, etichette] : colonne) {
            QLabel* l = Didascalia(parent, NomeIndice(c.nome, i), {}, c.x, y, c.w, altezza, c.allinea);
            if (*c.tooltip) l->setToolTip(Qs(c.tooltip));
            etichette[i] = l;
        }
    }
}

int DialogoBase::RigaConfermata(QRadioButton* const* opzioni, int righe) {
    for (int i = 0; i < righe; ++i) {
        if (!opzioni[i]->isChecked()) continue;
        const float valore = num::TextToSng(U8(opzioni[i]->text())).value_or(0.0f);
        return valore == 0.0f ? -1 : i;
    }
    return -1;
}

QString DialogoBase::ScegliLibreria(const QString& titolo, const QString& filtro) {
    return Piattaforma::Dialoghi().Apri(this, titolo, AccantoAlProgramma("LIBRERIA"), filtro);
}

QPushButton* DialogoBase::PulsanteStampa(QWidget* parent, const QString& caption, int x, int y, int w,
                                         int h) {
    QPushButton* b = Pulsante(parent, Qs("Cmd_Stampa"), caption, {}, x, y, w, h);
    connect(b, &QPushButton::clicked, this, [this] { Cmd_Stampa_Click(); });
    return b;
}

namespace {

QString NomeLato(bool primario, const char* prima, const char* dopo) {
    return Qs(prima) + Qs(primario ? "Pri" : "Sec") + Qs(dopo);
}

int IndiceAvv(float n) {
    if (!(n > 0.0f)) return 0;
    return n >= static_cast<float>(AVV_MAX - 1) ? AVV_MAX - 1 : static_cast<int>(n);
}

}  // namespace

DialogoAvvolgimento::DialogoAvvolgimento(ModuleDIC& d, bool primario, const char* prima,
                                         const char* dopo, int larghezza, int altezza, QWidget* parent)
    : DialogoBase(d, U8(NomeLato(primario, prima, dopo)).c_str(), {}, larghezza, altezza, parent),
      lato_(d, primario),
      avv_(IndiceAvv(d.NumAvvScelto)),
      larghezza_(larghezza) {
    PosizionaDaAngolo(primario ? 120 : 6120, 3120);
}

QString DialogoAvvolgimento::Nome(const char* prima, const char* dopo) const {
    return NomeLato(lato_.Primario, prima, dopo);
}

QGroupBox* DialogoAvvolgimento::RiquadroLato(const char* dopo, const QString& caption, int y, int h) {
    return Riquadro(this, Nome("Frm_", dopo), caption, 120, y, larghezza_ - 240, h);
}

QRadioButton* DialogoAvvolgimento::OpzioneLato(QGroupBox* frame, const char* dopo, const QString& caption,
                                               const QString& tooltip, int r) {
    return Opzione(frame, Nome("Opt_", dopo), caption, tooltip, 150, 270 + 300 * r, larghezza_ - 540, 255);
}

QPushButton* DialogoAvvolgimento::PulsanteOk(int y) {
    constexpr int w = 1200;
    QPushButton* ok = Pulsante(this, Qs("Cmd_Ok"), Qs("Ok"), {}, (larghezza_ - w) / 2, y, w, 375);
    // Options and lists only, no text field that takes Enter: Enter confirms.
    ok->setDefault(true);
    return ok;
}

void DialogoAvvolgimento::CostruisciCollegamento(ControlliCollegamento& c, const QString& label1) {
    const bool pri = lato_.Primario;
    c.Frm_Coll1 = RiquadroLato("Coll1", {}, 60, 900);
    c.Opt_AvvIso = OpzioneLato(c.Frm_Coll1, "AvvIso", Qs("Avvolgimenti Isolati fra Loro"),
                               Qs("Avvolgimento Isolato dagli Altri Avvolgimenti"), 0);
    c.Opt_AvvSer = OpzioneLato(c.Frm_Coll1, "AvvSer", Qs("Avvolgimenti Collegati in Serie"),
                               Qs("Avvolgimento in Serie con un altro Avvolgimento"), 1);
    c.Frm_Coll2 = RiquadroLato("Coll2", Qs("Scelta Tipo Presa Avvolgimento Serie"), 1020, 1380);
    c.Opt_AvvAda = OpzioneLato(c.Frm_Coll2, "AvvAda", Qs("Presa di Regolazione Tensione"),
                               Qs(pri ? "Avvolgimento Adattamento Tensione di Ingresso"
                                      : "Avvolgimento Adattamento Tensione di Uscita"),
                               0);
    if (!pri)
        c.Opt_AvvCar = OpzioneLato(c.Frm_Coll2, "AvvCar", Qs("Presa di Erogazione Corrente"),
                                   Qs("Avvolgimento con Carico"), 1);
    c.Label1 = Didascalia(c.Frm_Coll2, "Label1", label1, 150, 930, 2700, 285);
    c.Cmd_Ok = PulsanteOk(2520);
}

void DialogoAvvolgimento::AbilitaSerie(const ControlliCollegamento& c, QWidget* partner, bool si) {
    for (QWidget* w : {static_cast<QWidget*>(c.Frm_Coll2), static_cast<QWidget*>(c.Opt_AvvAda),
                       static_cast<QWidget*>(c.Opt_AvvCar), static_cast<QWidget*>(c.Label1), partner})
        if (w) w->setEnabled(si);
}
