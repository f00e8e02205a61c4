// What every design window has: the winding counts and commands on top, two
// tab strips of winding frames (primaries, secondaries), a third strip with
// the lamination page, the bobbin page (and a kind's own page), the File and
// "?" menus and the status bar; the common part of the results, the range
// warnings, the design-mode options, the default libraries and the checks of
// the numeric fields.
//
// A window of one kind derives from it, fills a Descrizione (its captions,
// windings per side, pages, the inputs and result rows of a winding frame)
// and calls Costruisci() from its constructor; the virtual hooks take what
// each kind does its own way: its calculation, refresh, input check,
// connection buttons, count change, defaults and refill after an open.
//
// Every control carries its name as objectName, an element of a control
// array its index: "Txt_SecVolt(0)". Page frames are numbered from 1 like the
// tabs (element 0 unused).
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include <QColor>
#include <QMainWindow>
#include <QString>

#include "dialogs/Lanciatore.h"
#include "engine/InputAlim.h"
#include "files/LimitiCampi.h"
#include "engine/ModuleDIC.h"
#include "platform/ui/CampoNumerico.h"
#include "windows/comune/ListaCoefKCombo.h"
#include "windows/comune/MenuProgetto.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabBar;

class FinestraProgetto : public QMainWindow, public IFinestraProgetto {
    Q_OBJECT
public:
    static constexpr int MAX_AVV = 12;     // windings per side, at most
    static constexpr int MAX_PAG = 4;      // winding pages per strip, at most
    static constexpr int MAX_PAG_LAM = 3;  // pages of the third strip, at most
    static constexpr int RIGA_PROPRIA = 570;  // twips: the kind's own row in a winding frame

    template <typename T>
    using Arr = std::array<T*, MAX_AVV>;

    // The controls every design window has; a kind's own Controlli derive
    // from it.
    struct ControlliComuni {
        // ---- winding counts, commands
        QComboBox* Cmb_PriNumAvv = nullptr;
        QComboBox* Cmb_SecNumAvv = nullptr;
        QPushButton* Cmd_Aggiorna = nullptr;
        QPushButton* Cmd_Schema = nullptr;

        // ---- tab strips and their page frames
        QTabBar* TabStrip1 = nullptr;
        QTabBar* TabStrip2 = nullptr;
        QTabBar* TabStrip3 = nullptr;
        std::array<QGroupBox*, MAX_PAG + 1> FramePri{};
        std::array<QGroupBox*, MAX_PAG + 1> FrameSec{};
        std::array<QGroupBox*, MAX_PAG_LAM + 1> FrameLam{};

        // ---- winding frames: buttons and the build of each winding
        Arr<QGroupBox> Frm_PriAvv{}, Frm_SecAvv{};
        Arr<QPushButton> Cmd_PriAvv{}, Cmd_PriFiloRame{}, Cmd_PriRoch{};
        Arr<QPushButton> Cmd_SecAvv{}, Cmd_SecFiloRame{}, Cmd_SecRoch{};
        Arr<QLabel> Lbl_PriFiloNudo{}, Lbl_PriFiloIsol{}, Lbl_PriLung{}, Lbl_PriPeso{},
            Lbl_PriDens{}, Lbl_PriPotPer{}, Lbl_PriIng{}, Lbl_PriSpSt{}, Lbl_PriStrati{},
            Lbl_PriIso{}, Lbl_PriRes{};
        Arr<QLabel> Lbl_SecFiloNudo{}, Lbl_SecFiloIsol{}, Lbl_SecLung{}, Lbl_SecPeso{},
            Lbl_SecDens{}, Lbl_SecPotPer{}, Lbl_SecIng{}, Lbl_SecSpSt{}, Lbl_SecStrati{},
            Lbl_SecIso{}, Lbl_SecRes{};

        // ---- lamination page: general data, design mode, the stack, iron loss
        QComboBox* Cmb_Frequenza = nullptr;
        QComboBox* Cmb_Induzione = nullptr;
        QComboBox* Cmb_Densita = nullptr;
        QComboBox* Cmb_CoefK = nullptr;     // a kind without a coefficient list leaves
        QLabel* Label2 = nullptr;           // these five null
        QLabel* Label14 = nullptr;
        QLabel* Lbl_CoefK = nullptr;
        QLabel* Label15 = nullptr;
        QLabel* Label66 = nullptr;
        // ---- totals: the powers, efficiency, voltage drop and volts per turn
        QLabel *Lbl_SecPotTot = nullptr, *Lbl_PriPotTot = nullptr, *Lbl_Rendimento = nullptr,
               *Lbl_CadutaVolt = nullptr, *Lbl_FEMI = nullptr;
        QLabel* Lbl_PotPass = nullptr;      // the autotransformers' own power
        QGroupBox* Frame1 = nullptr;
        QRadioButton* Opt_Lam = nullptr;
        QRadioButton* Opt_Pot = nullptr;
        QPushButton* Cmd_Lamierino = nullptr;
        QLabel *Lbl_Lamierino = nullptr, *Lbl_C = nullptr, *Lbl_SP = nullptr, *Lbl_SE = nullptr,
               *Lbl_SF = nullptr, *Lbl_LamPesoPacco = nullptr;
        CampoNumerico* Txt_LamCdP = nullptr;
        QLabel *Lbl_LamPF = nullptr, *Lbl_PotMin = nullptr, *Lbl_PotMax = nullptr;

        // ---- bobbin, insulation and groove fill page
        QPushButton* Cmd_Rocchetto = nullptr;
        QLabel *Lbl_RochTipo = nullptr, *Lbl_RochC = nullptr, *Lbl_RochSp = nullptr,
               *Lbl_RochGolaH = nullptr, *Lbl_RochGolaI = nullptr, *Lbl_RochGolaL = nullptr;
        QPushButton* Cmd_Isolanti = nullptr;
        QLabel *Lbl_RochIngKi = nullptr, *Lbl_RochIsoAvvH = nullptr, *Lbl_RochIsoAvvI = nullptr,
               *Lbl_RochIsoAvvL = nullptr, *Lbl_RochIsoStrH = nullptr, *Lbl_RochIsoStrI = nullptr,
               *Lbl_RochIsoStrL = nullptr;
        QLabel *Lbl_IngGolaH1 = nullptr, *Lbl_IngGolaI1 = nullptr, *Lbl_IngGolaL1 = nullptr,
               *Lbl_IngGolaH2 = nullptr, *Lbl_IngGolaI2 = nullptr, *Lbl_IngGolaL2 = nullptr;
        QLabel* Lbl_PotTotPers = nullptr;

        // ---- menu
        QMenu* MnuFile = nullptr;
        QAction *MnuFileNuovo = nullptr, *MnuFileApri = nullptr, *MnuFileChiudi = nullptr,
                *MnuFileSalva = nullptr, *MnuFileSalvaNome = nullptr,
                *MnuFileImpostaStampante = nullptr, *MnuFileStampa = nullptr,
                *MnuFileEsci = nullptr;
        QMenu* MnuHelp = nullptr;
        QAction* MnuAbout = nullptr;
    };

    // One side's controls seen alike, so one piece of code serves both sides.
    struct ControlliLato {
        QComboBox*& Cmb_NumAvv;
        QTabBar*& TabStrip;
        std::array<QGroupBox*, MAX_PAG + 1>& Frame;
        Arr<QGroupBox>& Frm_Avv;
        Arr<QPushButton>&Cmd_Avv, &Cmd_FiloRame, &Cmd_Roch;
    };

    // ---- the description of a kind
    // An input row of a winding frame: one field per winding, its range, and
    // what follows an accepted or refused value before the calculation (the
    // current and power rewrites, for instance).
    struct CampoAvv {
        Arr<CampoNumerico>* campi;
        const char* nome;        // "Txt_SecVolt"
        const char* didascalia;  // caption with unit, once at the left of the page
        const char* tooltip;
        int limite;              // characters
        CampoNumerico::Limiti limiti;
        std::function<void(int)> poi;  // (winding index); may be empty
    };
    // A result row of a winding frame.
    struct RigaAvv {
        Arr<QLabel>* etichette;
        const char* nome;        // "Lbl_PriSpire"
        const char* didascalia;  // caption with unit
        // The figure the results show in it for the windings in use, under
        // `maschera` (none: the kind writes the row itself).
        AvvArr ModuleDIC::*valore = nullptr;
        const char* maschera = nullptr;
    };
    struct LatoAvv {
        std::vector<CampoAvv> campi;
        std::vector<RigaAvv> risultati;  // the kind's own rows; the build rows follow
        // Twips from one input row to the next, each field a pixel shorter
        // than the step (0: the common step).
        int passoCampo = 0;
        // The least height of a result row, in twips: a side with many rows
        // grows its winding frames and pages into the room below them to
        // give its rows that height, the third strip moving down as far
        // (0: the rows share what the common frame leaves them).
        int altRisultato = 0;
    };
    struct Descrizione {
        int16_t tipo = 0;                // TipoCalcolo: tipo::Monofase ...
        const char* nome = "";           // objectName of the window
        const char* titolo = "";         // caption; also the title of its questions
        const char* titoloEsci = nullptr;  // title of the exit question, when not the caption
        const char* aggiorna = "Aggiorna Calcolo";  // caption of Cmd_Aggiorna
        const char* salvaNome = "Salva &con Nome";
        const char* stampa = "Sta&mpa";
        const char* impostaStampante = "&Imposta Stampante";
        const char* menuAiuto = "MnuHelp";  // objectName of the "?" menu
        // The close question also offers Cancel, which keeps the project.
        bool chiudiAnnulla = false;
        // The connection buttons are never enabled: the connections stay as
        // the load or an opened project set them.
        bool collegamentiFissi = false;
        // The highest count the winding lists offer, and an opened project may
        // hold (0: numAvv).
        int maxConteggio = 0;
        // A kind with no connection dialogs: a click on a connection button
        // does nothing.
        bool senzaCollegamenti = false;
        int numAvv = MAX_AVV;            // windings per side: 12, or 9
        int numPag = MAX_PAG;            // winding pages per strip: 4, or 3
        // The default lamination library, in LIBRERIA.
        const char* libreriaLam = "LamMantelloStandard.lam";
        // A row of the kind's own buttons below the common ones in every
        // winding frame (at RIGA_PROPRIA), the inputs one row lower.
        bool rigaPropria = false;
        // First page of the third strip: tab caption and frame title.
        const char* schedaLam = "Pacco Lamellare - Dati Generali";
        const char* titoloLam = "Scelta Pacco Lamellare";
        // A third page of the third strip (none when null).
        const char* schedaExtra = nullptr;
        const char* titoloExtra = nullptr;
        LatoAvv pri, sec;
        // The kind's own lists the calculation reads (see ListaDelCalcolo).
        struct Lista {
            QComboBox** lista;               // built with the pages
            std::function<void()> lasciata;  // may be empty
        };
        std::vector<Lista> liste;
    };

    ~FinestraProgetto() override;

    int16_t Tipo() const override { return tipo_; }   // the kind, as TipoCalcolo holds it
    int NumAvv() const override { return numAvv_; }
    int MaxConteggio() const override { return maxConteggio_; }
    ModuleDIC& Dati() override { return d_; }
    QMainWindow* Vista() override { return this; }
    void ScelteListeMostrate() override;

    // ---- public procedures
    // One whole calculation (by default: input check, the kind's pass,
    // results).
    virtual void CalcolaTrasfo();
    // Writes the results into the labels and gives the range warnings.
    virtual void Refresh() = 0;
    // Default design and first calculation (run by whoever shows the window,
    // and again by the file menu's new and close).
    void Form_Load() override = 0;
    // Connection buttons of the windings in use, from their flags.
    virtual void PulsantiCollegamento();
    // Placement buttons of the windings in use.
    void PulsantiRocchetto();
    // Frames shown for the two counts, tab pages.
    void ContolloFrame();

    // ---- event handlers
    void Cmb_PriNumAvv_LostFocus() { CambiaNumeroAvv(true); }
    void Cmb_SecNumAvv_LostFocus() { CambiaNumeroAvv(false); }
    void TabStrip1_Click();
    void TabStrip2_Click();
    void TabStrip3_Click();
    void Opt_Lam_Click() { ModoProgetto(false); }
    // Power given: the coefficient the list shows becomes the design's.
    void Opt_Pot_Click();
    void Cmd_Aggiorna_Click() { CalcolaTrasfo(); }
    // Shows the windings as the last calculation left them.
    void Cmd_Schema_Click();
    // The lamination dialog; however it closed, the bobbins follow the
    // lamination's shape and the calculation runs.
    void Cmd_Lamierino_Click();
    // The wire dialog on winding i's column (primary i: column i, secondary
    // i: column 12 + i) from its current row; however it closed, the winding
    // takes the row the dialog left with that column's diameters, and its
    // build is worked out again without a new wire choice.
    void Cmd_PriFiloRame_Click(int i) { SceltaFilo(true, i); }
    void Cmd_SecFiloRame_Click(int i) { SceltaFilo(false, i); }
    // The insulation dialog; however it closed, the builds are worked out again.
    void Cmd_Isolanti_Click();
    // The bobbin dialog; however it closed, no winding stays on a bobbin or
    // groove that is gone, the user's own bobbin brings the lamination-given
    // mode, and a bobbin computed in the dialog a whole calculation (else the
    // winding recalculation).
    void Cmd_Rocchetto_Click();
    // The connection dialog of winding i; then the kind's own steps and the
    // calculation.
    void Cmd_PriAvv_Click(int i) { CollegamentoAvv(true, i); }
    void Cmd_SecAvv_Click(int i) { CollegamentoAvv(false, i); }
    // The placement dialog of winding i; then the placement buttons and the
    // winding recalculation.
    void Cmd_PriRoch_Click(int i) { PosizioneAvv(true, i); }
    void Cmd_SecRoch_Click(int i) { PosizioneAvv(false, i); }
    void Txt_LamCdP_LostFocus();
    // Leaving the design asks first (also from the title bar's close box or
    // the window manager's close key); the about window is the start window's.
    void MnuFileEsci_Click();
    void MnuAbout_Click();
    // The project file menu (see MenuProgetto).
    void MnuFileNuovo_Click() { menu_.Nuovo(); }
    void MnuFileApri_Click() { menu_.Apri(); }
    void MnuFileChiudi_Click() { menu_.Chiudi(); }
    void MnuFileSalva_Click() { menu_.Salva(); }
    void MnuFileSalvaNome_Click() { menu_.SalvaNome(); }
    void MnuFileImpostaStampante_Click() { menu_.ImpostaStampante(); }
    void MnuFileStampa_Click() { menu_.Stampa(); }

    // The folder the default libraries are looked for in (its LIBRERIA
    // subfolder); the program's own folder unless set.
    void ImpostaCartellaApplicazione(const QString& cartella) { cartella_ = cartella; }
    QString CartellaApplicazione() const override;

    // Cmb_CoefK as the engine's coefficient list.
    ICoefKLista& ListaCoefK() { return listaCoefK_; }

    // Caption and colour of a connection button (button face, green, cyan).
    static void ImpostaCollegamento(QPushButton* b, const inputalim::AspettoCollegamento& a);
    static QColor ColoreCollegamento(const QPushButton* b);

protected:
    FinestraProgetto(ModuleDIC& dic, QWidget* parent);

    void closeEvent(QCloseEvent* e) override;

    // Builds the window from the description into the kind's controls `c`;
    // the derived constructor calls it once.
    void Costruisci(const Descrizione& k, ControlliComuni& c);

    // ---- hooks
    // The first page of the third strip (general data, the stack ...).
    virtual void CostruisciPaginaLamierino(QGroupBox* pagina) = 0;
    // The kind's own controls in a winding frame, below its buttons (a
    // phase/line button, for instance), once the frame's rows exist.
    virtual void CostruisciFrameAvv(bool /*primario*/, int /*i*/, QGroupBox* /*frame*/) {}
    // The kind's third page of the third strip, if its description has one.
    virtual void CostruisciPaginaExtra(QGroupBox* /*pagina*/) {}
    // The input check and ordering that starts every calculation.
    virtual void ControllaInputDati() {}
    // The kind's own engine pass.
    virtual void EseguiCalcolo() = 0;
    // The connection dialog of a side.
    virtual Dialogo DialogoCollegamento(bool primario) const {
        return primario ? Dialogo::PriAvvColl : Dialogo::SecAvvColl;
    }
    // After the connection dialog of winding i, before the calculation: what
    // the kind's button and fields take from the new connection.
    virtual void DopoCollegamento(Lato /*lato*/, int /*i*/) {}
    // A count list was left with n windings in use (frames already shown):
    // the last one and those dropped become isolated, and so does one whose
    // partner is gone (unless the connections are fixed); no winding stays on
    // a bobbin or groove that is gone.
    virtual void NumeroAvvCambiato(Lato lato, int n);
    // After a wire, insulation, placement or bobbin dialog: the kind's winding build,
    // losses, groove sums and fit check, keeping the wires chosen, then the results
    // (by default the single-phase build).
    virtual void RicalcoloAvvolgimenti();
    // The kind's File menu texts (Testi) and its refill of the controls after
    // an open (RiempiDopoApertura) come through IFinestraProgetto.

    // ---- shared steps
    ControlliLato LatoUi(bool primario);
    template <class D>
    ControlliLato LatoUi(const LatoDi<D>& lato) { return LatoUi(lato.Primario); }
    // After the ordering: the connection buttons of the windings made
    // isolated show "I", and after an exchange the last winding's is off.
    void MostraIsolati(const LatoC& lato, const inputalim::Indici& isolati, bool scambio);
    // Shows frames 0..n-1 of a side; the last one in use has no later
    // partner, so its connection button is off.
    void MostraFrameAvv(bool primario, int n);
    // The results every kind shows alike: the lamination and bobbin, the
    // kind's rows that name their figure and the build of every winding in
    // use, insulation, copper loss, groove fill.
    void RefreshComune();
    // A value under a display mask into a label (none: nothing written).
    static void Scrivi(QLabel* l, float v, const char* maschera);
    // The winding pages shown are painted at once. A calculation leaves its
    // labels to paint themselves when the window is idle; this runs only
    // right before a message box covers the window, so that the new figures
    // show under it.
    void RidisegnaPagine();
    // The coefficient (when the kind has the list) and `potenza` judged
    // against their ranges.
    void AvvisiLimiti(float potenza, const char* troppoAlta, const char* troppoBassa);
    // The steps every kind's refill after an open shares: the two counts, the
    // frequency, flux density (through `mascheraInduzione`) and current
    // density lists, the iron-loss field, and the design mode with its click
    // handling and stored coefficient. A text that is none of a list's items
    // leaves that list as it is.
    void RiempiDatiGenerali(const char* mascheraInduzione = "0.0");
    // The two count lists select `pri` and `sec` windings, in the lists' own
    // form ("6", not "6,0"); a count none of the items holds leaves a list as it is.
    void ScegliConteggi(double pri, double sec);
    // Default lamination and wire libraries (first lamination, wire table
    // copied to every winding); with `verificaLamierino` the lamination is
    // judged for the kind and the coefficient list filled.
    void CaricaLibrerie(bool verificaLamierino = true);
    // The start of every load: the window's size and status text, the kind's
    // default design and controls (`predefinito`), then the power-given mode
    // on screen with its click handling, also when a new project resets the
    // design after the user chose the lamination.
    void IniziaCaricamento(const std::function<void()>& predefinito);
    // The frequency, flux density and current density lists and the two
    // count lists (1 to maxConteggio), each with its default item.
    void RiempiListePredefinite(int maxConteggio);
    // The texts of those lists and of the coefficient list, as the engine's reader takes them.
    void TestiListe(DatiAlimTesti& t) const;
    // The counts, frequency, flux density and current density as shown.
    void TestiListe(std::string& pri, std::string& sec, std::string& frequenza, std::string& induzione,
                    std::string& densita) const;
    // Fills a list with the texts of first, first + step, ... and selects its item.
    static void Riempi(QComboBox* c, const ListaNumerica& l);
    // Secondary current = power / voltage (text left as it is when the
    // voltage is 0 or no number); power = current x voltage, one decimal.
    // A secondary voltage tap in series takes its partner's power and the
    // current that gives: into the design and, with one decimal
    // (TestoRiletto), into its current and power fields.
    void PresaSec(int i, CampoNumerico* amp, CampoNumerico* pot);
    // The text of a figure written into a field the calculation reads back:
    // by default the mask's own.
    virtual std::string TestoRiletto(float v, const char* maschera) const;
    // Winding i's connection button shows its connection.
    void MostraCollegamento(const LatoC& l, int i);
    // The autotransformers' connection buttons of the windings in use: every
    // primary cyan "C" with `partnerPri` of its row; a secondary "I" (button
    // face), green "R" (the tap then takes its partner's power into `amp`
    // and `pot`) or cyan "C", each with its partner, and after a "C" the last
    // secondary's button reads "C" alone: it has no later partner.
    void PulsantiPrese(const AvvFlag& partnerPri, Arr<CampoNumerico>& amp, Arr<CampoNumerico>& pot);
    static void RicalcolaCorrente(CampoNumerico* pot, CampoNumerico* volt, CampoNumerico* amp);
    static void RicalcolaPotenza(CampoNumerico* amp, CampoNumerico* volt, CampoNumerico* pot);
    // A box of the window, placed in twips. Its check runs on leaving only
    // when the user typed in it: passing through a text the window wrote
    // (a load, a check, the view, a calculation or an opened project, often
    // rounded by a display mask) changes nothing, where a check would only
    // derive the other values again from those rounded figures.
    static CampoNumerico* Casella(QWidget* parent, const QString& nome, int limite, const QString& tooltip, int x,
                                  int y, int w, int h);
    // A field the calculation reads: its range check, then `poi` (what
    // follows from the value, may be empty), then a calculation, which ends
    // the check whether the value was taken or its default put back, so the
    // figures are always those of the text the field shows.
    void CampoDelCalcolo(CampoNumerico* campo, const CampoNumerico::Limiti& limiti, std::function<void()> poi = {});

    // ---- helpers for a kind's lamination page
    struct Voce {
        QLabel** lbl;
        const char* nome;
        const char* didascalia;
    };
    // Row r of a page of the third strip, in twips.
    static int RigaLam(int r);
    // A column of results: caption at x, value at xVal, from row r0 down.
    static void ColonnaRisultati(QWidget* pagina, int x, int wDid, int xVal, int wVal, int r0,
                                 std::initializer_list<Voce> voci);
    // Frequency, flux density and current density lists at x, from row 0.
    void ListeDatiGenerali(QWidget* pagina, int x);
    // The design-mode frame "Conosco:" at x, y, the power-given mode chosen.
    void RiquadroConosco(QWidget* pagina, int x, int y);
    // The lamination button and the stack's figures at x, from row 0.
    void ColonnaLamierino(QWidget* pagina, int x);
    // The iron-loss field and the loss (and, with `intervallo`, the power
    // range) at x, from row 0.
    void ColonnaPerdite(QWidget* pagina, int x, bool intervallo = true);
    // The chosen coefficient (Label2, Cmb_CoefK, Label14) and the computed
    // one (Label15, Lbl_CoefK, Label66) at x, from row 3.
    void GruppoCoefK(QWidget* pagina, int x);
    // The lamination page of a mains transformer: general data, coefficient,
    // totals, design mode, the stack and the iron loss (and, for an
    // autotransformer, its own power).
    void PaginaLamierinoComune(QWidget* pagina, bool potenzaPassante = false);

    ModuleDIC& d_;

private:
    // The exit question: true when the user answers Yes.
    bool UscitaConfermata();
    void CostruisciMenu(const Descrizione& k);
    void CostruisciConteggi(QWidget* centro, const Descrizione& k);
    // Returns how far, in twips, a side's pages grew below the common ones.
    int CostruisciPagineAvvolgimenti(QWidget* centro, const Descrizione& k);
    // The third strip and its pages, `giu` twips below their common place.
    void CostruisciPagineLamierino(QWidget* centro, const Descrizione& k, int giu);
    void CostruisciPaginaRocchetto(QGroupBox* p2);
    void CollegaCampi(const Descrizione& k);
    void CambiaNumeroAvv(bool primario);
    // A list the calculation reads takes effect when it is left: `lasciata`
    // (may be empty) runs every time, and a choice the user changed since
    // coming into the list then runs one calculation, unless `lasciata` ran
    // one already. A list left as it was found calculates nothing.
    void ListaDelCalcolo(QComboBox* lista, std::function<void()> lasciata = {});
    void SceltaFilo(bool primario, int i);
    void CollegamentoAvv(bool primario, int i);
    void PosizioneAvv(bool primario, int i);
    void ModoProgetto(bool potenza);
    void ModoControlli(bool potenza);
    void ClickTab(QTabBar* strip, QGroupBox* const* frames, int16_t& pagina);
    std::string FileLibreriaDefault(const char* nome) const;
    const char* libreriaLam_ = "LamMantelloStandard.lam";

    ControlliComuni* c_ = nullptr;  // the kind's controls, from Costruisci on
    std::vector<RigaAvv> risultatiPri_, risultatiSec_;  // the kind's result rows
    ListaCoefKCombo listaCoefK_;
    QString cartella_;
    QString titolo_;
    QString titoloEsci_;
    MenuProgetto menu_{*this};
    int16_t tipo_ = 0;
    int numAvv_ = MAX_AVV;
    int maxConteggio_ = MAX_AVV;
    int numPag_ = MAX_PAG;
    bool collegamentiFissi_ = false;
    bool senzaCollegamenti_ = false;
    int calcoli_ = 0;  // calculations run so far
    // Each list's choice as the user found it (ListaDelCalcolo); a deque, so
    // that the checks can hold on to their own.
    struct SceltaTrovata {
        QComboBox* lista;
        QString testo;
    };
    std::deque<SceltaTrovata> scelteTrovate_;
};
