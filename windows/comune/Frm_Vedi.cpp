#include "windows/comune/Frm_Vedi.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

#include "engine/ModuleDIC.h"
#include "platform/core/Percorsi.h"
#include "platform/ui/Posiziona.h"

void RiquadroImmagine::mousePressEvent(QMouseEvent* e) {
    premuto_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void RiquadroImmagine::mouseReleaseEvent(QMouseEvent* e) {
    const bool clic = premuto_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    premuto_ = false;
    QLabel::mouseReleaseEvent(e);
    if (clic) emit this->clic();
}

Frm_Vedi::Frm_Vedi(const ModuleDIC& dati, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("Frm_Vedi");
    setWindowTitle(QStringLiteral("Form1"));
    Dimensiona(this, 3150, 2925);
    picture1_ = new RiquadroImmagine(this);
    picture1_->setObjectName("Picture1");
    picture1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture1_->setLineWidth(2);
    picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Posiziona(picture1_, 0, 0, 2895, 2655);
    connect(picture1_, &RiquadroImmagine::clic, this, &Frm_Vedi::Picture1_Click);
    Form_Load(dati);
}

QString Frm_Vedi::PercorsoImmagine(const std::string& strTemp) {
    std::string relativo = strTemp;
    // The name is relative to the application's folder even when it starts
    // with a separator.
    size_t inizio = relativo.find_first_not_of("\\/");
    if (inizio == std::string::npos) return {};
    relativo = relativo.substr(inizio);
    const std::string base = U8(QCoreApplication::applicationDirPath());
    return Qs(percorsi::TrovaPercorso(base, relativo));
}

void Frm_Vedi::Form_Load(const ModuleDIC& dati) {
    // A missing or unreadable file leaves the empty box at its design size,
    // without a message.
    const QString percorso = PercorsoImmagine(dati.StrTemp);
    QImage img;
    if (!percorso.isEmpty()) img.load(percorso);
    if (!img.isNull()) {
        picture1_->setPixmap(QPixmap::fromImage(img));
        const int bordo = 2 * picture1_->frameWidth();
        picture1_->resize(img.width() + bordo, img.height() + bordo);
    }
    // Window = picture box + a margin of 100 twips to the right and below.
    Dimensiona(this, picture1_->width() * 15 + 100, picture1_->height() * 15 + 100);
    setFixedSize(size());
}

void Frm_Vedi::Picture1_Click() { accept(); }

void Frm_Vedi::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Frm_Vedi::showEvent(QShowEvent* e) {
    // Centred on the window that opened it (or on the screen).
    if (QWidget* p = parentWidget()) {
        const QRect g = p->window()->frameGeometry();
        move(g.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(e);
}
