// The single-phase power transformer design window.
//
// Twelve primary and twelve secondary windings, three to a tab page; the
// lamination, general data, bobbin and insulation on a third tab strip; the
// project menu and the status bar. Every control carries its name as
// objectName, an element of a control array its index: "Txt_SecVolt(0)".
#pragma once

#include <array>
#include <string>

#include <QColor>
#include <QMainWindow>
#include <QString>

#include "engine/InputAlim.h"
#include "engine/Mod_Alim.h"
#include "engine/ModuleDIC.h"
#include "windows/comune/ListaCoefKCombo.h"
#include "windows/comune/MenuProgetto.h"

class CampoNumerico;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabBar;

class Frm_Alim : public QMainWindow, public IFinestraProgetto {
    Q_OBJECT
public:
    static constexpr int NUM_AVV = 12;    // windings per side
    static constexpr int NUM_PAG = 4;     // winding pages per strip
    static constexpr int NUM_PAG_LAM = 2;

    template <typename T>
    using Arr = std::array<T*, NUM_AVV>;

    // Every control, for the window's own code and for tests. Page frames are
    // numbered from 1 like the tabs (element 0 unused).
    struct Controlli {
        // ---- winding counts, commands
        QComboBox* Cmb_PriNumAvv = nullptr;
        QComboBox* Cmb_SecNumAvv = nullptr;
        QPushButton* Cmd_Aggiorna = nullptr;
        QPushButton* Cmd_Schema = nullptr;

        // ---- tab strips and their page frames
        QTabBar* TabStrip1 = nullptr;
        QTabBar* TabStrip2 = nullptr;
        QTabBar* TabStrip3 = nullptr;
        std::array<QGroupBox*, NUM_PAG + 1> FramePri{};
        std::array<QGroupBox*, NUM_PAG + 1> FrameSec{};
        std::array<QGroupBox*, NUM_PAG_LAM + 1> FrameLam{};

        // ---- primary windings
        Arr<QGroupBox> Frm_PriAvv{};
        Arr<CampoNumerico> Txt_PriVolt{};
        Arr<QPushButton> Cmd_PriAvv{}, Cmd_PriFiloRame{}, Cmd_PriRoch{};
        Arr<QLabel> Lbl_PriPot{}, Lbl_PriAmp{}, Lbl_PriSpire{}, Lbl_PriFiloNudo{},
            Lbl_PriFiloIsol{}, Lbl_PriLung{}, Lbl_PriPeso{}, Lbl_PriDens{}, Lbl_PriPotPer{},
            Lbl_PriIng{}, Lbl_PriSpSt{}, Lbl_PriStrati{}, Lbl_PriIso{}, Lbl_PriRes{};

        // ---- secondary windings
        Arr<QGroupBox> Frm_SecAvv{};
        Arr<CampoNumerico> Txt_SecVolt{}, Txt_SecAmp{}, Txt_SecPot{};
        Arr<QPushButton> Cmd_SecAvv{}, Cmd_SecFiloRame{}, Cmd_SecRoch{};
        Arr<QLabel> Lbl_SecVoltVuoto{}, Lbl_SecSpire{}, Lbl_SecFiloNudo{}, Lbl_SecFiloIsol{},
            Lbl_SecLung{}, Lbl_SecPeso{}, Lbl_SecDens{}, Lbl_SecPotPer{}, Lbl_SecIng{},
            Lbl_SecSpSt{}, Lbl_SecStrati{}, Lbl_SecIso{}, Lbl_SecRes{};

        // ---- lamination and general data (first page of TabStrip3)
        QComboBox* Cmb_Frequenza = nullptr;
        QComboBox* Cmb_Induzione = nullptr;
        QComboBox* Cmb_Densita = nullptr;
        QComboBox* Cmb_CoefK = nullptr;
        QLabel* Label2 = nullptr;    // captions of Cmb_CoefK
        QLabel* Label14 = nullptr;
        QLabel* Lbl_CoefK = nullptr;
        QLabel* Label15 = nullptr;   // captions of Lbl_CoefK
        QLabel* Label66 = nullptr;
        QGroupBox* Frame1 = nullptr;
        QRadioButton* Opt_Lam = nullptr;
        QRadioButton* Opt_Pot = nullptr;
        QLabel *Lbl_SecPotTot = nullptr, *Lbl_PriPotTot = nullptr, *Lbl_Rendimento = nullptr,
               *Lbl_CadutaVolt = nullptr, *Lbl_FEMI = nullptr;
        QPushButton* Cmd_Lamierino = nullptr;
        QLabel *Lbl_Lamierino = nullptr, *Lbl_C = nullptr, *Lbl_SP = nullptr, *Lbl_SE = nullptr,
               *Lbl_SF = nullptr, *Lbl_LamPesoPacco = nullptr;
        CampoNumerico* Txt_LamCdP = nullptr;
        QLabel *Lbl_LamPF = nullptr, *Lbl_PotMin = nullptr, *Lbl_PotMax = nullptr;

        // ---- bobbin, insulation and groove fill (second page of TabStrip3)
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
        QMenu* Help = nullptr;
        QAction* MnuAbout = nullptr;
    };

    explicit Frm_Alim(ModuleDIC& dic, QWidget* parent = nullptr);

    Controlli ui;

    // ---- public procedures
    // One whole calculation: input check, engine pass, results.
    void CalcolaTrasfo();
    // Writes the results into the labels and gives the range warnings.
    void RefreshAlim();
    // Orders the windings by voltage, rewrites changed currents, placement buttons.
    void ControllaInputDati();
    // Connection buttons of the windings in use.
    void PulsantiAlim();
    // Frames shown for the two counts, last connection buttons off, tab pages.
    void ContolloFrameAlim();
    // Placement buttons of the windings in use.
    void PulsantiRocchetto();

    // Default design and first calculation, with no project file (run by
    // whoever shows the window, and again by the file menu's new and close).
    void Form_Load() override;
    // Refills the fields, lists, mode and buttons from an opened design and
    // shows its stored results, without calculating.
    void RefreshAlimImport();

    // ---- event handlers
    void Cmb_PriNumAvv_LostFocus();
    void Cmb_SecNumAvv_LostFocus();
    void TabStrip1_Click();
    void TabStrip2_Click();
    void TabStrip3_Click();
    void Opt_Lam_Click();
    void Opt_Pot_Click();
    // The update button recalculates; the schematic button shows the windings
    // as the last calculation left them.
    void Cmd_Aggiorna_Click();
    void Cmd_Schema_Click();
    // The project file menu (see MenuProgetto).
    void MnuFileNuovo_Click() { menu_.Nuovo(); }
    void MnuFileApri_Click() { menu_.Apri(); }
    void MnuFileChiudi_Click() { menu_.Chiudi(); }
    void MnuFileSalva_Click() { menu_.Salva(); }
    void MnuFileSalvaNome_Click() { menu_.SalvaNome(); }
    void MnuFileImpostaStampante_Click() { menu_.ImpostaStampante(); }
    void MnuFileStampa_Click() { menu_.Stampa(); }
    // Leaving the design asks first; the about window is the start window's.
    void MnuFileEsci_Click();
    void MnuAbout_Click();
    // Range checks of the numeric fields (on focus loss and on Enter).
    void Txt_LamCdP_LostFocus();
    void Txt_PriVolt_LostFocus(int i);
    void Txt_SecVolt_LostFocus(int i);
    void Txt_SecAmp_LostFocus(int i);
    void Txt_SecPot_LostFocus(int i);

    // The folder the default libraries are looked for in (its LIBRERIA
    // subfolder); the program's own folder unless set.
    void ImpostaCartellaApplicazione(const QString& cartella) { cartella_ = cartella; }
    QString CartellaApplicazione() const override;

    // The texts the engine's reader takes from the window.
    DatiAlimTesti DatiTesti() const;
    // Cmb_CoefK as the engine's coefficient list.
    ICoefKLista& ListaCoefK() { return listaCoefK_; }

    ModuleDIC& Dati() override { return d_; }
    const TestiProgetto& Testi() const override;
    QMainWindow* Vista() override { return this; }
    void RiempiDopoApertura() override { RefreshAlimImport(); }

    // Caption and colour of a connection button (button face, green, cyan).
    static void ImpostaCollegamento(QPushButton* b, const inputalim::AspettoCollegamento& a);
    static QColor ColoreCollegamento(const QPushButton* b);

private:
    void CostruisciMenu();
    void CostruisciConteggi(QWidget* centro);
    void CostruisciPagineAvvolgimenti(QWidget* centro);
    void CostruisciPagineLamierino(QWidget* centro);
    void CambiaNumeroAvv(bool primario);
    void MostraFrameAvv(bool primario, int n);
    void ClickTab(QTabBar* strip, QGroupBox* const* frames, int ultima, int16_t& pagina);
    void CollegaCampi();
    void RicalcolaCorrente(int i);
    std::string FileLibreriaDefault(const char* nome) const;

    ModuleDIC& d_;
    ListaCoefKCombo listaCoefK_;
    QString cartella_;
    MenuProgetto menu_{*this};
};
