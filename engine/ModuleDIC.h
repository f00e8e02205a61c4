// The one store of design data shared by every window, dialog and routine.
//
// Arithmetic rule followed throughout the engine and the file code:
//   * a Single is stored as `float`; every expression is evaluated in
//     `double` and rounded to `float` only when it is stored;
//   * an Integer is `int16_t`; a flag is `int16_t` holding VERO (-1) or
//     FALSO (0), and every test compares with VERO, so any other stored
//     value counts as false;
//   * whole-number conversions are those of platform/core/Numeri.h (CInt
//     rounds halves to even and fails outside -32768..32767, Int is floor,
//     Fix truncates), so figures match those of the files users already keep.
// Texts are kept as UTF-8; they become Windows-1252 bytes only in the record files.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>

inline constexpr int16_t VERO = -1;
inline constexpr int16_t FALSO = 0;

// A flag counts as set only when it holds -1.
constexpr bool Vero(int16_t flag) { return flag == VERO; }
constexpr int16_t Flag(bool b) { return b ? VERO : FALSO; }

inline constexpr int NUM_REC = 10000;      // record buffer lines 0..9999
inline constexpr int FILO_RIGHE = 41;      // wire table rows 0..40
inline constexpr int FILO_COLONNE = 25;    // wire table columns 0..24
inline constexpr int LAM_RIGHE = 21;       // lamination table rows 0..20
inline constexpr int ROCH_RIGHE = 6;       // bobbin table rows 0..5
inline constexpr int AVV_MAX = 21;         // winding arrays 0..20
inline constexpr int AUTO_MAX = 26;        // autotransformer lists 0..25

// Wire table columns: primary i takes column i, secondary i column
// COLONNA_SEC + i, so at most twelve windings a side reach the table.
inline constexpr int COLONNA_SEC = 12;

// The kind of transformer a design is for, as TipoCalcolo holds it (and the
// project file stores it).
namespace tipo {
enum Calcolo : int16_t {
    Monofase = 1,      // single-phase power transformer
    AutoMonofase = 2,  // single-phase autotransformer
    Trifase = 3,       // three-phase power transformer
    AutoTrifase = 4,   // three-phase autotransformer
    Uscita = 5,        // output transformer for valve amplifiers
};
}  // namespace tipo

using FiloTab = std::array<std::array<float, FILO_COLONNE>, FILO_RIGHE>;  // [row][column]
using LamArr = std::array<float, LAM_RIGHE>;
using RochArr = std::array<float, ROCH_RIGHE>;
using AvvArr = std::array<float, AVV_MAX>;
using AvvFlag = std::array<int16_t, AVV_MAX>;
using AvvStr = std::array<std::string, AVV_MAX>;
using AutoArr = std::array<float, AUTO_MAX>;

// Everything of the design but the record buffer: what a design copies when
// the buffer need not come along (an opened project is unpacked beside the
// design in use, then taken over).
struct DatiDesign {
    // ---- kind, mode and dialog exchange
    std::string Versione;
    int16_t TipoCalcolo = 0;   // tipo::Calcolo; 0 until a window sets it
    int16_t ConoscoPotenza = FALSO;
    int16_t OptSingle = FALSO;
    float NumAvvScelto = 0;
    float FiloScelto = 0;
    int16_t Risposta = 0;
    int16_t TabPri = 0, TabSec = 0, TabLam = 0;

    // ---- files, libraries and the record buffer
    std::string FileTitolo;
    std::string FileNome;
    std::string FileLibreria;
    int16_t NumElementi = 0;
    std::array<std::string, FILO_COLONNE> NomeLibRame{};
    std::string UltimaLibRame;
    std::string NomeLibLam;

    // ---- counters and scratch shared between routines
    float Indice = 0;
    float Contatore = 0;
    float NumRec = 0;
    float Appoggio = 0;
    std::string StrTemp;
    float CorrenteSez = 0;
    AutoArr AutoVolt{}, AutoSpire{};

    // ---- wire table [row 0..40][column 0..24]
    FiloTab FiloNudo{}, FiloIsolato{}, SezioneFilo{}, SpireCM{}, CoefKfFilo{},
        ResistenzaFilo{}, PesoFilo{}, KfRame{}, OhmRame{}, PesSpeRame{};

    // ---- lamination table and the chosen stack
    LamArr LamAxB{}, LamA{}, LamB{}, LamC{}, LamD{}, LamE{}, LamF{}, LamG{}, LamFinestra{},
        LamPeso{}, LamNetta{};
    std::array<std::string, LAM_RIGHE> LamNome{};
    float AreaNecessaria = 0;
    float LamPesoPacco = 0;
    float LamSP = 0;
    float LamSE = 0;
    float LamCdP = 0;
    float LamPF = 0;
    std::string LamTipoDescr;
    int16_t LamScelto = 0;
    int16_t LamMantello = FALSO;
    int16_t Lam2Colonne = FALSO;
    int16_t Lam3Colonne = FALSO;
    int16_t TipoLam = 0;

    // ---- bobbin table, groove sums and insulation
    RochArr RochC{}, RochSp{}, RochM{}, RochH{}, RochI{}, RochL{}, RochGolaH{}, RochGolaI{},
        RochGolaL{};
    std::array<std::string, ROCH_RIGHE> RochTipo{};
    int16_t RochScelto = 0;
    int16_t RochGole1 = 0;
    int16_t RochGole2 = 0;
    int16_t RochDue = 0;
    int16_t RochPersCalcolato = FALSO;

    float SommaIngH1 = 0, SommaIngI1 = 0, SommaIngL1 = 0;
    float SommaIsoH1 = 0, SommaIsoI1 = 0, SommaIsoL1 = 0;
    float IngGolaH1 = 0, IngGolaI1 = 0, IngGolaL1 = 0;
    float SommaIngH2 = 0, SommaIngI2 = 0, SommaIngL2 = 0;
    float SommaIsoH2 = 0, SommaIsoI2 = 0, SommaIsoL2 = 0;
    float IngGolaH2 = 0, IngGolaI2 = 0, IngGolaL2 = 0;

    float RochIsoAvvH = 0, RochIsoAvvI = 0, RochIsoAvvL = 0;
    float RochIsoStrH = 0, RochIsoStrI = 0, RochIsoStrL = 0;
    float RochIngKi = 0;

    // ---- winding arrays, element i = winding i
    AvvArr PriImp{}, SecImp{};
    AvvArr PriVolt{}, SecVolt{};
    AvvArr SecVoltVuoto{};
    AvvArr PriVoltLin{}, SecVoltLin{};
    AvvArr PriAmp{}, SecAmp{};
    AvvArr PriAmpLin{}, SecAmpLin{};
    AvvArr SecAmpFilo{};
    AvvArr PriPot{}, SecPot{};
    AvvArr PriPotLin{}, SecPotLin{};
    AvvArr PriSpire{}, SecSpire{};
    AvvArr PriFiloRiga{}, SecFiloRiga{};
    AvvArr PriFiloNudo{}, SecFiloNudo{};
    AvvArr PriFiloIsol{}, SecFiloIsol{};
    AvvArr PriLung{}, SecLung{};
    AvvArr PriPeso{}, SecPeso{};
    AvvArr PriPotPer{}, SecPotPer{};
    AvvArr PriDens{}, SecDens{};
    AvvArr PriIng{}, SecIng{};
    AvvArr PriSpSt{}, SecSpSt{};
    AvvArr PriStrati{}, SecStrati{};
    AvvArr PriIso{}, SecIso{};
    AvvArr PriRes{}, SecRes{};
    AvvFlag PriAvvIso{}, SecAvvIso{};
    AvvFlag PriAvvSer{}, SecAvvSer{};
    AvvFlag PriAvvAda{}, SecAvvAda{};
    AvvFlag SecAvvCar{};
    std::array<int16_t, AVV_MAX> PriAvvSerCon{}, SecAvvSerCon{};
    AvvStr PriTrif{}, SecTrif{};
    AvvFlag PriRoch1{}, SecRoch1{};
    AvvFlag PriRoch2{}, SecRoch2{};
    AvvFlag PriGolaH{}, SecGolaH{};
    AvvFlag PriGolaI{}, SecGolaI{};
    AvvFlag PriGolaL{}, SecGolaL{};

    // ---- design inputs, results and totals
    float CadutaVolt = 0;
    float CoefK = 0;
    float CoefKMin = 0;
    float CoefKMax = 0;
    float Frequenza = 0;
    float Induttanza = 0;
    float Traferro = 0;
    float Densita = 0;
    float Rendimento = 0;
    float PotMin = 0;
    float PotMax = 0;
    float Induzione = 0;
    float PriUlt = 0;
    float SecUlt = 0;
    std::string SecTipo;
    float FEMI = 0;
    float SecPotTot = 0;
    float PriPotTot = 0;
    float Riserva1 = 0, Riserva2 = 0;
    float PotPerPri = 0;
    float PotPerSec = 0;
    float PotTotPers = 0;
    float CoefAuto = 0;
    float PotPass = 0;

    // ---- ordered autotransformer lists
    AutoArr AutoVoltOrd{}, AutoSpireOrd{};
};

struct ModuleDIC : DatiDesign {
    // ---- the record buffer: one text per record of the library files
    std::array<std::string, NUM_REC> Rec{};
};

// Last winding slot to visit for a count held as "count - 1" (PriUlt, SecUlt:
// a Single): -1 when negative or not a number, never past `massimo`.
inline int UltimoAvvolgimento(float ult, int massimo) {
    if (!(ult >= 0.0f)) return -1;
    const double f = std::floor(static_cast<double>(ult));
    return f > massimo ? massimo : static_cast<int>(f);
}

// One side's windings (the primaries or the secondaries) as a single view, so
// that a routine, a window or a dialog written once serves both sides. The
// members name the side's arrays without their Pri/Sec prefix; element i is
// winding i, and every slot 0..AVV_MAX-1 is reachable (the output
// transformer's extra windings too). Lato writes through to the design, LatoC
// only reads it; a Lato turns into a LatoC where one is asked for. A view is
// a set of references: make one where it is needed, it allocates nothing.
template <class D>   // ModuleDIC or const ModuleDIC
struct LatoDi {
    template <class T>
    using R = std::conditional_t<std::is_const_v<D>, const T&, T&>;
    template <class T>
    using P = std::conditional_t<std::is_const_v<D>, const T*, T*>;

    D& Progetto;
    bool Primario;   // the primaries: true
    int Colonna;     // wire table column of winding 0 (0 or COLONNA_SEC)
    R<float> Ult;    // index of the last winding in use, as a Single
    R<AvvArr> Imp, Volt, Amp, Pot, Spire, FiloRiga, FiloNudo, FiloIsol,
        Lung, Peso, PotPer, Dens, Ing, SpSt, Strati, Iso, Res;
    // The current each winding's wire carries: a primary's own, a secondary's
    // after the taps in series have handed theirs on.
    R<AvvArr> AmpFilo;
    P<AvvArr> VoltVuoto;   // no-load voltage: secondaries only (primaries: null)
    R<AvvFlag> AvvIso, AvvSer, AvvAda;
    P<AvvFlag> AvvCar;     // load tap: secondaries only (primaries: null)
    R<AvvFlag> AvvSerCon;  // series partner, 1-based
    R<AvvStr> Trif;
    R<AvvFlag> Roch1, Roch2, GolaH, GolaI, GolaL;

    LatoDi(D& d, bool p)
        : Progetto(d),
          Primario(p),
          Colonna(p ? 0 : COLONNA_SEC),
          Ult(p ? d.PriUlt : d.SecUlt),
          Imp(p ? d.PriImp : d.SecImp),
          Volt(p ? d.PriVolt : d.SecVolt),
          Amp(p ? d.PriAmp : d.SecAmp),
          Pot(p ? d.PriPot : d.SecPot),
          Spire(p ? d.PriSpire : d.SecSpire),
          FiloRiga(p ? d.PriFiloRiga : d.SecFiloRiga),
          FiloNudo(p ? d.PriFiloNudo : d.SecFiloNudo),
          FiloIsol(p ? d.PriFiloIsol : d.SecFiloIsol),
          Lung(p ? d.PriLung : d.SecLung),
          Peso(p ? d.PriPeso : d.SecPeso),
          PotPer(p ? d.PriPotPer : d.SecPotPer),
          Dens(p ? d.PriDens : d.SecDens),
          Ing(p ? d.PriIng : d.SecIng),
          SpSt(p ? d.PriSpSt : d.SecSpSt),
          Strati(p ? d.PriStrati : d.SecStrati),
          Iso(p ? d.PriIso : d.SecIso),
          Res(p ? d.PriRes : d.SecRes),
          AmpFilo(p ? d.PriAmp : d.SecAmpFilo),
          VoltVuoto(p ? nullptr : &d.SecVoltVuoto),
          AvvIso(p ? d.PriAvvIso : d.SecAvvIso),
          AvvSer(p ? d.PriAvvSer : d.SecAvvSer),
          AvvAda(p ? d.PriAvvAda : d.SecAvvAda),
          AvvCar(p ? nullptr : &d.SecAvvCar),
          AvvSerCon(p ? d.PriAvvSerCon : d.SecAvvSerCon),
          Trif(p ? d.PriTrif : d.SecTrif),
          Roch1(p ? d.PriRoch1 : d.SecRoch1),
          Roch2(p ? d.PriRoch2 : d.SecRoch2),
          GolaH(p ? d.PriGolaH : d.SecGolaH),
          GolaI(p ? d.PriGolaI : d.SecGolaI),
          GolaL(p ? d.PriGolaL : d.SecGolaL) {}
    // A writing view read only.
    template <class E>
        requires(std::is_const_v<D> && !std::is_const_v<E>)
    LatoDi(const LatoDi<E>& l) : LatoDi(l.Progetto, l.Primario) {}

    // Last slot in use for a window of `numAvv` windings a side (-1: none).
    int Ultimo(int numAvv) const { return UltimoAvvolgimento(Ult, numAvv - 1); }
};
using Lato = LatoDi<ModuleDIC>;
using LatoC = LatoDi<const ModuleDIC>;

template <class D>
LatoDi<D> Primari(D& d) { return LatoDi<D>(d, true); }
template <class D>
LatoDi<D> Secondari(D& d) { return LatoDi<D>(d, false); }
