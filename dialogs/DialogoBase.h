// The base of the component and winding dialogs.
//
// A dialog is made anew from the design data each time it is shown, modal,
// named after itself (objectName "Frm_Lamierino"). Esc and the close box act
// as its cancel and write nothing. Enter presses the button that holds the
// focus; a dialog with text fields has no default button (a field takes its
// own Enter for its check), one with options and lists only has Ok. The
// small dialogs place themselves from the screen corner, the others centre on
// the window they are opened from.
//
// Its fields are declared as rows of a table (name, length limit, range,
// message, title) and checked on focus loss and on Enter, in one of three ways:
//  - with message: empty -> yellow, emptied, beep; out of range (or no
//    number) -> exclamation box with the row's message and title, then
//    yellow and emptied; in range -> white;
//  - silent: empty or out of range -> yellow, text kept; in range -> white,
//    then the dialog's own follow-up;
//  - name: empty -> yellow, emptied, beep; any text -> white.
// Bounds are compared as Single, both ends included.
//
// A dialog of the program:
//   class Frm_Isolanti : public DialogoBase {
//     Frm_Isolanti(ModuleDIC& d, QWidget* parent)
//         : DialogoBase(d, "Frm_Isolanti", Qs("..."), larghezza, altezza, parent) {
//       // controls: CampoConMessaggio(this, kRiga, x, y, w, h), Pulsante(...),
//       // PulsanteStampa(...); a small dialog: PosizionaDaAngolo(120, 3120);
//       // then fill them from d_ (its Form_Load).
//     }
//   };
// Its confirmation writes d_ and calls accept(); its cancel button reject().
// The design windows open it through dialoghi::Lanciatore() (Lanciatore.h),
// whose real launcher gets one case per dialog.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QDialog>
#include <QString>

#include "engine/ModuleDIC.h"
#include "platform/ui/CampoNumerico.h"

class QImage;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

// One field of a dialog's table. The range's default text is what a refused
// value leaves in the field: empty in every dialog. A silent field's range
// has no message (nor default text), so a refused value keeps its text.
struct RigaCampo {
    const char* nome;  // objectName of the text box
    int limite;        // characters the key filter lets in
    CampoNumerico::Limiti limiti{};  // not used by name fields
};

// A column of a table of choices (see DialogoBase::TabellaScelte).
struct ColonnaScelte {
    const char* nome;          // array name: "Opt_AxB", "Lbl_A"
    const char* intestazione;  // head above the column
    int x, w;                  // twips
    const char* tooltip;       // of every element ("" none)
    const char* tooltipIntestazione = "";
    Qt::Alignment allinea = Qt::AlignCenter;
    const char* nomeIntestazione = "";  // objectName of the head ("": "Cap_" + nome)
};

// The checks of a field made from a row (true: the field turned white); a
// silent field is judged by its own CampoNumerico::Verifica.
bool ControllaConMessaggio(CampoNumerico* c);
bool ControllaNome(CampoNumerico* c);

class DialogoBase : public QDialog {
    Q_OBJECT
public:
    ModuleDIC& Dati() { return d_; }

    // Prints the dialog's image after the printer dialog; a cancelled printer
    // dialog prints nothing. The dialog stays open.
    void Cmd_Stampa_Click();

protected:
    // `larghezza` and `altezza`: the client area in twips.
    DialogoBase(ModuleDIC& d, const char* nome, const QString& caption, int larghezza, int altezza,
                QWidget* parent);

    // The small dialogs: left edge at the dialog's own height plus `piuSinistra`,
    // top edge at its own width plus `piuAlto` (twips from the screen's
    // corner), kept on the screen. Without it the dialog centres on its window.
    void PosizionaDaAngolo(int piuSinistra, int piuAlto);

    // Field makers, placed in twips. `dopo` runs after a silent field has
    // taken a value in range.
    CampoNumerico* CampoConMessaggio(QWidget* parent, const RigaCampo& r, int x, int y, int w, int h);
    CampoNumerico* CampoSilenzioso(QWidget* parent, const RigaCampo& r, std::function<void()> dopo,
                                   int x, int y, int w, int h);
    CampoNumerico* CampoNome(QWidget* parent, const RigaCampo& r, int x, int y, int w, int h);

    // A table of choices: row i is the option button nome(i) of `opzione`
    // (its caption a value, the selected one the choice) and one label per
    // column, nome(i); `opzioni` and each of `etichette` receive `righe`
    // elements. The heads stand at yIntestazione, row i at yRiga(i), all
    // `altezza` high (twips).
    static void TabellaScelte(QWidget* parent, const ColonnaScelte& opzione, QRadioButton** opzioni,
                              const std::vector<std::pair<ColonnaScelte, QLabel**>>& colonne,
                              int righe, int yIntestazione, const std::function<int(int)>& yRiga,
                              int altezza);
    // The row a confirmation takes: the first selected option, or -1 when
    // none is selected or its caption reads 0 (an empty row is no choice).
    static int RigaConfermata(QRadioButton* const* opzioni, int righe);

    // The open dialog of a library (filter "Libreria ...(*.ext)|*.ext"),
    // starting in the program's LIBRERIA folder; empty when cancelled.
    QString ScegliLibreria(const QString& titolo, const QString& filtro);

    // The print button "Cmd_Stampa", wired to Cmd_Stampa_Click.
    QPushButton* PulsanteStampa(QWidget* parent, const QString& caption, int x, int y, int w, int h);

    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

    ModuleDIC& d_;

private:
    CampoNumerico* NuovoCampo(QWidget* parent, const RigaCampo& r, CampoNumerico::Tipo tipo, int x,
                              int y, int w, int h);
    void Colloca();
    // An option dialog or a table of choices starts with the focus on the
    // chosen option or row, not on the first one.
    void FuocoSullaScelta();

    bool daAngolo_ = false;
    int piuSinistra_ = 0, piuAlto_ = 0;
};

// The base of the dialogs of one winding (its connection, its placement):
// one class serves both sides, named "Frm_Pri..." or "Frm_Sec...", on the
// winding a window's button chose (NumAvvScelto). The primary dialog stands
// at the screen's left, the secondary one 6000 twips further right.
class DialogoAvvolgimento : public DialogoBase {
    Q_OBJECT
protected:
    // Named prima + side + dopo: ("Frm_", "AvvColl") is "Frm_PriAvvColl" for a primary.
    DialogoAvvolgimento(ModuleDIC& d, bool primario, const char* prima, const char* dopo, int larghezza,
                        int altezza, QWidget* parent);

    // A control's name with the side: Nome("Opt_", "AvvIso") == "Opt_PriAvvIso".
    QString Nome(const char* prima, const char* dopo) const;

    // A frame across the dialog, named with the side, from y down h twips.
    QGroupBox* RiquadroLato(const char* dopo, const QString& caption, int y, int h);
    // Option r of a frame (rows 300 twips apart), named with the side.
    QRadioButton* OpzioneLato(QGroupBox* frame, const char* dopo, const QString& caption,
                              const QString& tooltip, int r);
    // The dialog's only button, "Cmd_Ok" "Ok", centred at y.
    // Enter presses it (the dialog has no text field).
    QPushButton* PulsanteOk(int y);

    // The connection dialogs' controls, named with the side's prefix:
    // Frm_PriColl1, Opt_SecAvvIso ...
    struct ControlliCollegamento {
        QGroupBox *Frm_Coll1 = nullptr, *Frm_Coll2 = nullptr;
        QRadioButton *Opt_AvvIso = nullptr, *Opt_AvvSer = nullptr;
        QRadioButton* Opt_AvvAda = nullptr;
        QRadioButton* Opt_AvvCar = nullptr;  // secondaries only (null for a primary)
        QLabel* Label1 = nullptr;
        QPushButton* Cmd_Ok = nullptr;
    };
    // Isolated or in series (first frame), the kind of tap (second frame),
    // `label1` before the partner, which stands at x 2950, y 900 of the
    // second frame; Ok.
    void CostruisciCollegamento(ControlliCollegamento& c, const QString& label1);
    // Enables or disables the second frame, its options, its label and `partner`.
    static void AbilitaSerie(const ControlliCollegamento& c, QWidget* partner, bool si);

    Lato lato_;
    const int avv_;  // NumAvvScelto as an index of the winding arrays, kept inside them

private:
    int larghezza_;  // twips
};
