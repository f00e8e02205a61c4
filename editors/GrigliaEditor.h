// The tables of the library editors: a Qt model over the editor's text model
// (files/GriglieLibrerie.h), the delegate whose editor is a numeric field,
// and the view that shows them.
//
// Each column is a control array of the editor: its cells carry the array
// element's name ("Txt_FiloNudo(5)") as their accessible text, and a cell's
// open editor carries it as its objectName, so outside tools find them.
// Text columns are yellow or white from the text model's marks; a cell's
// check runs when its edit ends (focus leaves, Enter, Tab) and only colours
// it: no message, no change of the text.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

#include "platform/ui/CampoNumerico.h"

struct ColonnaGriglia {
    const char* nome = "";         // control array ("Txt_FiloNudo", "Lbl_PesoFilo")
    QString titolo;                // heading
    QString suggerimentoTitolo;    // heading tooltip
    QString suggerimentoCella;     // tooltip of each cell ("" none)
    int larghezza = 900;           // twips
    int limite = 0;                // key limit; 0 for a label column (read only)
    CampoNumerico::Tipo tipo = CampoNumerico::Tipo::Numero;
    Limite limiti{0, 0};           // values a numeric column takes
    std::function<std::string&(int riga)> testo;
    std::function<bool*(int riga)> gialla;  // the cell's yellow mark (text columns)

    bool Etichetta() const { return limite == 0; }
};

// Rows primaRiga..primaRiga+righe-1 of the text model, one column per array.
class ModelloGriglia : public QAbstractTableModel {
    Q_OBJECT
public:
    ModelloGriglia(std::vector<ColonnaGriglia> colonne, int primaRiga, int righe, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    // Writes the typed text and runs the cell's check.
    bool setData(const QModelIndex& indice, const QVariant& valore, int ruolo = Qt::EditRole) override;

    const ColonnaGriglia& Colonna(int c) const { return colonne_[static_cast<size_t>(c)]; }
    // Row of the text model shown in the view's row r.
    int Riga(int r) const { return primaRiga_ + r; }
    // "Txt_FiloNudo(5)" for the view's cell.
    QString NomeCella(const QModelIndex& indice) const;

    // Whether a column's cells take input (each text column on its own).
    void ImpostaAperta(int colonna, bool aperta);
    void ImpostaTutteAperte(bool aperte);
    bool Aperta(int colonna) const;

    // The check of a cell as it stands (also run by setData).
    void Controlla(int riga, int colonna);
    // The text model changed: every cell is shown again.
    void Aggiorna();

private:
    std::vector<ColonnaGriglia> colonne_;
    std::vector<bool> aperte_;
    int primaRiga_;
    int righe_;
};

// The editor of a text cell: a numeric (or name) field with the column's key
// limit, named after the cell.
class DelegatoGriglia : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit DelegatoGriglia(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& opzioni,
                          const QModelIndex& indice) const override;
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modello, const QModelIndex& indice) const override;

    // The field open in a cell, if any.
    CampoNumerico* Aperto() const { return aperto_; }
    // Ends an open edit as leaving the cell does: the text is taken and checked.
    void Conferma();

protected:
    // A figure wider or taller than its cell is drawn with a smaller font, whole.
    void initStyleOption(QStyleOptionViewItem* opzioni, const QModelIndex& indice) const override;

private:
    mutable QPointer<CampoNumerico> aperto_;
};

// A view of the model with headings, no sorting, no scroll bars (printing
// captures the window as it shows), placed at left/top in twips and sized to
// its columns and rows.
class VistaGriglia : public QTableView {
    Q_OBJECT
public:
    VistaGriglia(ModelloGriglia* modello, const QString& nome, QWidget* parent, int sinistra, int alto);

    ModelloGriglia* Modello() const { return modello_; }
    DelegatoGriglia* Delegato() const { return delegato_; }
    // Height of a row and of the headings, in twips.
    static constexpr int kAltezzaRiga = 285;
    static constexpr int kAltezzaTitoli = 330;
    // Opens a cell's field (the view's own slot).
    using QTableView::edit;

protected:
    // Tab and Shift+Tab go from field to field across the rows, over the
    // computed columns and the locked cells.
    QModelIndex moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) override;
    // Past the last field (before the first) they leave the table for the
    // window's next (previous) control; the field left is taken and checked
    // as at any Tab.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint fine) override;
    // Come into by Tab (Shift+Tab), the table opens its first (last) field.
    void focusInEvent(QFocusEvent* evento) override;
    // A click into the current cell opens its field at once, as a click into
    // any other cell does, so the keys typed next go into it.
    bool edit(const QModelIndex& indice, EditTrigger causa, QEvent* evento) override;

private:
    // The first cell taking input from cell p on, counted across the rows,
    // walking by passo.
    QModelIndex Aperta(int p, int passo) const;

    ModelloGriglia* modello_;
    DelegatoGriglia* delegato_;
};
