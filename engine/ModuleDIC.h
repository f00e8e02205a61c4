// The one store of design data shared by every window, dialog and routine.
//
// Arithmetic rule followed throughout the engine and the file code:
//   * a Single is stored as `float`; every expression is evaluated in
//     `double` and rounded to `float` only when it is stored;
//   * an Integer is `int16_t`; a flag is `int16_t` holding VERO (-1) or
//     FALSO (0), and every test compares with VERO, so any other stored
//     value counts as false;
//   * integer conversions follow the original runtime: see platform/core/Numeri.h
//     (CInt rounds halves to even and fails outside -32768..32767, Int is floor,
//     Fix truncates).
// Texts are kept as UTF-8; they become Windows-1252 bytes only in the record files.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

inline constexpr int16_t VERO = -1;
inline constexpr int16_t FALSO = 0;

// A flag counts as set only when it holds -1.
constexpr bool Vero(int16_t flag) { return flag == VERO; }
constexpr int16_t Flag(bool b) { return b ? VERO : FALSO; }

inline constexpr int NUM_REC = 10000;      // Rec(0 To 9999)
inline constexpr int FILO_RIGHE = 41;      // wire table rows 0..40
inline constexpr int FILO_COLONNE = 25;    // wire table columns 0..24
inline constexpr int LAM_RIGHE = 21;       // lamination table rows 0..20
inline constexpr int ROCH_RIGHE = 6;       // bobbin table rows 0..5
inline constexpr int AVV_MAX = 21;         // winding arrays 0..20
inline constexpr int AUTO_MAX = 26;        // autotransformer lists 0..25

using FiloTab = std::array<std::array<float, FILO_COLONNE>, FILO_RIGHE>;  // [row][column]
using LamArr = std::array<float, LAM_RIGHE>;
using RochArr = std::array<float, ROCH_RIGHE>;
using AvvArr = std::array<float, AVV_MAX>;
using AvvFlag = std::array<int16_t, AVV_MAX>;
using AvvStr = std::array<std::string, AVV_MAX>;
using AutoArr = std::array<float, AUTO_MAX>;

struct ModuleDIC {
    // ---- Group 1: kind, mode and dialog exchange
    std::string Versione;
    int16_t TipoCalcolo = 0;
    int16_t ConoscoPotenza = FALSO;
    int16_t OptSingle = FALSO;
    float NumAvvScelto = 0;
    float FiloScelto = 0;
    int16_t Risposta = 0;
    int16_t TabPri = 0, TabSec = 0, TabLam = 0;

    // ---- Group 2: files, libraries and the record buffer
    std::string FileTitolo;
    std::array<std::string, NUM_REC> Rec{};
    std::string FileNome;
    std::string FileLibreria;
    int16_t NumElementi = 0;
    std::array<std::string, FILO_COLONNE> NomeLibRame{};
    std::string UltimaLibRame;
    std::string NomeLibLam;

    // ---- Group 3: counters and scratch shared between routines
    float Indice = 0;
    float Contatore = 0;
    float NumRec = 0;
    float Appoggio = 0;
    std::string StrTemp;
    float CorrenteSez = 0;
    AutoArr AutoVolt{}, AutoSpire{};

    // ---- Group 4: wire table [row 0..40][column 0..24]
    FiloTab FiloNudo{}, FiloIsolato{}, SezioneFilo{}, SpireCM{}, CoefKfFilo{},
        ResistenzaFilo{}, PesoFilo{}, KfRame{}, OhmRame{}, PesSpeRame{};

    // ---- Group 5: lamination table and the chosen stack
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

    // ---- Group 6: bobbin table, groove sums and insulation
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

    // ---- Group 7: winding arrays, element i = winding i
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

    // ---- Group 8: design inputs, results and totals
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

    // ---- Group 9: ordered autotransformer lists
    AutoArr AutoVoltOrd{}, AutoSpireOrd{};
};

// Last winding slot to visit for a count held as "count - 1" (PriUlt, SecUlt:
// a Single): -1 when negative or not a number, never past `massimo`.
inline int UltimoAvvolgimento(float ult, int massimo) {
    if (!(ult >= 0.0f)) return -1;
    const double f = std::floor(static_cast<double>(ult));
    return f > massimo ? massimo : static_cast<int>(f);
}
