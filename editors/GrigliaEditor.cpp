#include "editors/GrigliaEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QStyle>

#include "platform/core/Numeri.h"
#include "platform/ui/Controlli.h"
#include "platform/ui/Posiziona.h"

// ---------------------------------------------------------------- model

ModelloGriglia::ModelloGriglia(std::vector<ColonnaGriglia> colonne, int primaRiga, int righe, QObject* parent)
    : QAbstractTableModel(parent),
      colonne_(std::move(colonne)),
      aperte_(colonne_.size(), false),
      primaRiga_(primaRiga),
      righe_(righe) {}

int ModelloGriglia::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : righe_; }

int ModelloGriglia::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(colonne_.size());
}

QString ModelloGriglia::NomeCella(const QModelIndex& indice) const {
    return NomeIndice(Colonna(indice.column()).nome, Riga(indice.row()));
}

QVariant ModelloGriglia::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid()) return {};
    const ColonnaGriglia& c = Colonna(indice.column());
    const int riga = Riga(indice.row());
    switch (ruolo) {
    case Qt::DisplayRole:
    case Qt::EditRole: return Qs(c.testo(riga));
    case Qt::BackgroundRole:
        if (c.Etichetta()) return {};
        return *c.gialla(riga) ? kGiallo : kBianco;
    case Qt::ToolTipRole:
        if (c.suggerimentoCella.isEmpty()) return {};
        return c.suggerimentoCella;
    case Qt::AccessibleTextRole: return NomeCella(indice);
    default: return {};
    }
}

QVariant ModelloGriglia::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
    if (orientamento != Qt::Horizontal || sezione < 0 || sezione >= columnCount()) return {};
    const ColonnaGriglia& c = Colonna(sezione);
    if (ruolo == Qt::DisplayRole) return c.titolo;
    if (ruolo == Qt::ToolTipRole && !c.suggerimentoTitolo.isEmpty()) return c.suggerimentoTitolo;
    return {};
}

Qt::ItemFlags ModelloGriglia::flags(const QModelIndex& indice) const {
    if (!indice.isValid()) return Qt::NoItemFlags;
    if (Colonna(indice.column()).Etichetta()) return Qt::ItemIsEnabled;
    if (!aperte_[static_cast<size_t>(indice.column())]) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ModelloGriglia::setData(const QModelIndex& indice, const QVariant& valore, int ruolo) {
    if (!indice.isValid() || indice.model() != this || ruolo != Qt::EditRole || !(flags(indice) & Qt::ItemIsEditable))
        return false;
    const int riga = Riga(indice.row());
    Colonna(indice.column()).testo(riga) = U8(valore.toString());
    Controlla(riga, indice.column());
    emit dataChanged(indice, indice);
    return true;
}

void ModelloGriglia::Controlla(int riga, int colonna) {
    const ColonnaGriglia& c = Colonna(colonna);
    if (c.Etichetta()) return;
    std::string& testo = c.testo(riga);
    bool& gialla = *c.gialla(riga);
    if (c.tipo == CampoNumerico::Tipo::Nome) {
        // A name may not be left empty: the cell says so and the computer beeps.
        gialla = testo.empty();
        if (gialla) Piattaforma::Beep();
    } else {
        const auto v = num::TextToSng(testo);
        gialla = !(v && c.limiti.Accetta(*v));
    }
    const QModelIndex i = index(riga - primaRiga_, colonna);
    emit dataChanged(i, i);
}

void ModelloGriglia::ImpostaAperta(int colonna, bool aperta) {
    if (colonna < 0 || colonna >= columnCount()) return;
    aperte_[static_cast<size_t>(colonna)] = aperta;
    emit dataChanged(index(0, colonna), index(righe_ - 1, colonna));
}

void ModelloGriglia::ImpostaTutteAperte(bool aperte) {
    for (int c = 0; c < columnCount(); ++c) ImpostaAperta(c, aperte);
}

bool ModelloGriglia::Aperta(int colonna) const {
    return colonna >= 0 && colonna < columnCount() && aperte_[static_cast<size_t>(colonna)];
}

void ModelloGriglia::Aggiorna() { emit dataChanged(index(0, 0), index(righe_ - 1, columnCount() - 1)); }

// ---------------------------------------------------------------- delegate

DelegatoGriglia::DelegatoGriglia(QObject* parent) : QStyledItemDelegate(parent) {
    // However the edit ended (focus, Enter, Tab, Esc), the field is no longer open.
    connect(this, &QAbstractItemDelegate::closeEditor, this, [this](QWidget* editor) {
        if (editor == aperto_) aperto_ = nullptr;
    });
}

QWidget* DelegatoGriglia::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& indice) const {
    const auto* m = qobject_cast<const ModelloGriglia*>(indice.model());
    if (!m) return nullptr;
    const ColonnaGriglia& c = m->Colonna(indice.column());
    if (c.Etichetta()) return nullptr;
    auto* campo = new CampoNumerico(parent, c.limite, c.tipo);
    campo->setObjectName(m->NomeCella(indice));
    campo->setFrame(false);
    campo->setToolTip(c.suggerimentoCella);
    aperto_ = campo;
    return campo;
}

void DelegatoGriglia::initStyleOption(QStyleOptionViewItem* opzioni, const QModelIndex& indice) const {
    QStyledItemDelegate::initStyleOption(opzioni, indice);
    if (opzioni->text.isEmpty()) return;
    // The style keeps this margin on each side of a cell's text.
    const QStyle* stile = opzioni->widget ? opzioni->widget->style() : QApplication::style();
    const int margine = stile->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opzioni->widget) + 1;
    opzioni->font = CarattereCheEntra(opzioni->font, opzioni->text, opzioni->rect.width() - 2 * margine,
                                      opzioni->rect.height());
}

void DelegatoGriglia::setEditorData(QWidget* editor, const QModelIndex& indice) const {
    auto* campo = qobject_cast<CampoNumerico*>(editor);
    if (!campo) return;
    campo->setText(indice.data(Qt::EditRole).toString());
    campo->SetGiallo(indice.data(Qt::BackgroundRole).value<QColor>() == kGiallo);
}

void DelegatoGriglia::setModelData(QWidget* editor, QAbstractItemModel* modello, const QModelIndex& indice) const {
    if (auto* campo = qobject_cast<CampoNumerico*>(editor)) modello->setData(indice, campo->text(), Qt::EditRole);
}

void DelegatoGriglia::Conferma() {
    if (!aperto_) return;
    CampoNumerico* campo = aperto_;
    aperto_ = nullptr;
    emit commitData(campo);
    emit closeEditor(campo, QAbstractItemDelegate::NoHint);
}

// ---------------------------------------------------------------- view

QModelIndex VistaGriglia::Aperta(int p, int passo) const {
    const int colonne = modello_->columnCount();
    for (const int celle = modello_->rowCount() * colonne; p >= 0 && p < celle; p += passo) {
        const QModelIndex i = modello_->index(p / colonne, p % colonne);
        if (modello_->flags(i) & Qt::ItemIsEditable) return i;
    }
    return {};
}

QModelIndex VistaGriglia::moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) {
    if (azione != MoveNext && azione != MovePrevious) return QTableView::moveCursor(azione, modificatori);
    const QModelIndex ora = currentIndex();
    const int passo = azione == MoveNext ? 1 : -1;
    return Aperta(ora.isValid() ? ora.row() * modello_->columnCount() + ora.column() + passo : 0, passo);
}

void VistaGriglia::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint fine) {
    // The view would keep the focus itself with no field open, and the next
    // key would open the field just left again.
    const bool avanti = fine == QAbstractItemDelegate::EditNextItem;
    const bool esce = (avanti || fine == QAbstractItemDelegate::EditPreviousItem) &&
                      !moveCursor(avanti ? MoveNext : MovePrevious, Qt::NoModifier).isValid();
    QTableView::closeEditor(editor, esce ? QAbstractItemDelegate::NoHint : fine);
    if (esce) QAbstractScrollArea::focusNextPrevChild(avanti);  // the window's order, not the cells'
}

void VistaGriglia::focusInEvent(QFocusEvent* evento) {
    // The view would open its first field also for Shift+Tab, and none at all
    // when a cell is already current: the view would take the keys typed next
    // itself, End or an arrow moving on to another cell.
    const bool avanti = evento->reason() == Qt::TabFocusReason;
    if (avanti || evento->reason() == Qt::BacktabFocusReason) {
        const int ultima = modello_->rowCount() * modello_->columnCount() - 1;
        const QModelIndex cella = avanti ? Aperta(0, 1) : Aperta(ultima, -1);
        if (cella.isValid() && cella != currentIndex())
            setCurrentIndex(cella);  // a move onto a cell opens its field
        else if (cella.isValid())
            edit(cella);             // already current: no move opens it
    }
    QTableView::focusInEvent(evento);
}

bool VistaGriglia::edit(const QModelIndex& indice, EditTrigger causa, QEvent* evento) {
    // The view would wait a double-click interval before opening the field
    // of a cell already current, and the keys typed meanwhile would be lost:
    // the click opens it as a move onto the cell does, its text selected.
    if (causa == SelectedClicked) return QTableView::edit(indice, CurrentChanged, nullptr);
    return QTableView::edit(indice, causa, evento);
}

VistaGriglia::VistaGriglia(ModelloGriglia* modello, const QString& nome, QWidget* parent, int sinistra, int alto)
    : QTableView(parent), modello_(modello), delegato_(new DelegatoGriglia(this)) {
    setObjectName(nome);
    modello_->setParent(this);
    setModel(modello_);
    setItemDelegate(delegato_);
    setSortingEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    QHeaderView* titoli = horizontalHeader();
    titoli->setSectionsClickable(false);
    titoli->setSectionsMovable(false);
    titoli->setHighlightSections(false);
    titoli->setSectionResizeMode(QHeaderView::Fixed);
    titoli->setFixedHeight(Px(kAltezzaTitoli));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(Px(kAltezzaRiga));
    verticalHeader()->setMinimumSectionSize(1);
    int larghezza = 0;
    for (int c = 0; c < modello_->columnCount(); ++c) {
        setColumnWidth(c, Px(modello_->Colonna(c).larghezza));
        larghezza += Px(modello_->Colonna(c).larghezza);
    }
    const int bordo = 2 * frameWidth();
    setGeometry(Px(sinistra), Px(alto), larghezza + bordo,
                Px(kAltezzaTitoli) + modello_->rowCount() * Px(kAltezzaRiga) + bordo);
}
