#include <sys/stat.h>

#include <cmath>
#include <random>

#include "files/Progetto.h"
#include "files/RecordFile.h"
#include "FakeSinks.h"
#include "LibrerieSupport.h"

namespace fs = std::filesystem;
using namespace progetto;
using libtest::Byte;

namespace {

// ---------------------------------------------------------------- a raw record, read by hand

// Text of record n (1-based) of a file of 100-byte records, as raw bytes.
std::string RecordGrezzo(const std::string& dati, int n) {
    const size_t i = static_cast<size_t>(n - 1) * 100;
    const size_t k = static_cast<unsigned char>(dati[i]) | (static_cast<unsigned char>(dati[i + 1]) << 8);
    return dati.substr(i + 2, k);
}

// ---------------------------------------------------------------- a design filled field by field

// The project holds these, listed here by hand, independently of the layout table.
#define SINGOLI(X)                                                                                               \
    X(FiloNudo) X(FiloIsolato) X(SezioneFilo) X(SpireCM) X(CoefKfFilo) X(ResistenzaFilo) X(PesoFilo)             \
    X(AreaNecessaria) X(LamAxB) X(LamA) X(LamB) X(LamC) X(LamD) X(LamE) X(LamF) X(LamG) X(LamFinestra)           \
    X(LamPeso) X(LamNetta) X(LamPesoPacco) X(LamSP) X(LamSE) X(LamCdP) X(LamPF) X(RochC) X(RochSp) X(RochM)      \
    X(RochH) X(RochI) X(RochL) X(RochGolaH) X(RochGolaI) X(RochGolaL) X(SommaIngH1) X(SommaIngI1) X(SommaIngL1)  \
    X(SommaIsoH1) X(SommaIsoI1) X(SommaIsoL1) X(IngGolaH1) X(IngGolaI1) X(IngGolaL1) X(SommaIngH2) X(SommaIngI2) \
    X(SommaIngL2) X(SommaIsoH2) X(SommaIsoI2) X(SommaIsoL2) X(IngGolaH2) X(IngGolaI2) X(IngGolaL2)               \
    X(RochIsoAvvH) X(RochIsoAvvI) X(RochIsoAvvL) X(RochIsoStrH) X(RochIsoStrI) X(RochIsoStrL) X(RochIngKi)       \
    X(PriImp) X(SecImp) X(PriVolt) X(SecVolt) X(SecVoltVuoto) X(PriVoltLin) X(SecVoltLin) X(PriAmp) X(SecAmp)    \
    X(PriAmpLin) X(SecAmpLin) X(SecAmpFilo) X(PriPot) X(SecPot) X(PriPotLin) X(SecPotLin) X(PriSpire)            \
    X(SecSpire) X(PriFiloRiga) X(SecFiloRiga) X(PriFiloNudo) X(SecFiloNudo) X(PriFiloIsol) X(SecFiloIsol)        \
    X(PriLung) X(SecLung) X(PriPeso) X(SecPeso) X(PriPotPer) X(SecPotPer) X(PriDens) X(SecDens) X(PriIng)        \
    X(SecIng) X(PriSpSt) X(SecSpSt) X(PriStrati) X(SecStrati) X(PriIso) X(SecIso) X(PriRes) X(SecRes)            \
    X(CadutaVolt) X(CoefK) X(CoefKMin) X(CoefKMax) X(Induttanza) X(Traferro) X(Densita) X(Rendimento) X(PotMin)  \
    X(PotMax) X(Induzione) X(FEMI) X(SecPotTot) X(PriPotTot) X(Riserva1) X(Riserva2) X(PotPerPri) X(PotPerSec)   \
    X(PotTotPers) X(CoefAuto) X(PotPass) X(AutoVoltOrd) X(AutoSpireOrd)
#define INTERI(X)                                                                                     \
    X(NumElementi) X(TipoCalcolo) X(TabPri) X(TabSec) X(TabLam) X(LamScelto) X(TipoLam) X(RochScelto) \
    X(RochGole1) X(RochGole2) X(RochDue) X(PriAvvSerCon) X(SecAvvSerCon)
#define FLAG(X)                                                                                                 \
    X(ConoscoPotenza) X(OptSingle) X(LamMantello) X(Lam2Colonne) X(Lam3Colonne) X(RochPersCalcolato)            \
    X(PriAvvIso) X(SecAvvIso) X(PriAvvSer) X(SecAvvSer) X(PriAvvAda) X(SecAvvAda) X(SecAvvCar) X(PriRoch1)      \
    X(SecRoch1) X(PriRoch2) X(SecRoch2) X(PriGolaH) X(SecGolaH) X(PriGolaI) X(SecGolaI) X(PriGolaL) X(SecGolaL)
#define TESTI(X)                                                                                               \
    X(NomeLibRame) X(UltimaLibRame) X(NomeLibLam) X(LamNome) X(LamTipoDescr) X(RochTipo) X(PriTrif) X(SecTrif) \
    X(SecTipo)
// Written as numbers, read back as whole numbers.
#define INTERI_SNG(X) X(FiloScelto) X(Frequenza) X(PriUlt) X(SecUlt)
// Not kept by the project: they must keep the opening design's values.
#define NON_SALVATI(X)                                                                                       \
    X(NumAvvScelto) X(Risposta) X(FileLibreria) X(Indice) X(Contatore) X(Appoggio) X(StrTemp) X(CorrenteSez) \
    X(AutoVolt) X(AutoSpire)

struct Casuale {
    std::mt19937 g;
    explicit Casuale(unsigned seme) : g(seme) {}

    int Fra(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); }
    // 0, a whole number, or any size from 1E-15 to 1E+21 of either sign.
    float Singolo() {
        const int k = Fra(0, 5);
        if (k < 2) return static_cast<float>(k * Fra(-100000, 100000));
        const double m = std::uniform_real_distribution<double>(1.0, 10.0)(g), s = Fra(0, 9) < 3 ? -1.0 : 1.0;
        return static_cast<float>(s * m * std::pow(10.0, Fra(-15, 20)));
    }
    // Up to 98 characters, all with a Windows-1252 code (UTF-8 in the design).
    std::string Testo() {
        static const char* const pezzi[] = {"a", "Z", "0", " ", "\\", ",", "à", "è", "é", "ò",
                                            "ù", "€", "°", "µ", "Ø", "“", "™", "ß"};
        std::string s;
        const int n = Fra(0, 98);
        for (int i = 0; i < n; ++i) s += pezzi[Fra(0, 17)];
        return s;
    }
};

// A field or a whole array of fields; a flag is -1 or 0, any other Integer any value.
template <class T>
void Riempi(T& x, Casuale& r, bool flag = false) {
    if constexpr (std::is_same_v<T, float>) x = r.Singolo();
    else if constexpr (std::is_same_v<T, int16_t>) x = static_cast<int16_t>(flag ? -r.Fra(0, 1) : r.Fra(-32768, 32767));
    else if constexpr (std::is_same_v<T, std::string>) x = r.Testo();
    else for (auto& e : x) Riempi(e, r, flag);
}

// A whole design with every saved field random, indexes and counts in range.
void DesignCasuale(ModuleDIC& d, Casuale& r) {
#define R(x) Riempi(d.x, r);
#define RF(x) Riempi(d.x, r, true);
    SINGOLI(R) INTERI(R) TESTI(R) FLAG(RF)
#undef R
#undef RF
    for (int j = 0; j < FILO_COLONNE; ++j) {
        d.KfRame[38][j] = r.Singolo();
        d.OhmRame[38][j] = r.Singolo();
        d.PesSpeRame[38][j] = r.Singolo();
    }
    d.FileNome = "/un/percorso/qualsiasi.tmf";
    d.NumElementi = static_cast<int16_t>(r.Fra(0, 39));
    d.FiloScelto = static_cast<float>(r.Fra(0, 40));
    d.Frequenza = static_cast<float>(r.Fra(1, 32767));
    d.PriUlt = static_cast<float>(r.Fra(0, 20));
    d.SecUlt = static_cast<float>(r.Fra(0, 20));
    d.TipoCalcolo = static_cast<int16_t>(r.Fra(1, 5));
    d.LamScelto = static_cast<int16_t>(r.Fra(0, 20));
    d.RochScelto = static_cast<int16_t>(r.Fra(0, 5));
    for (int i = 0; i < AVV_MAX; ++i) {
        d.PriFiloRiga[i] = r.Fra(0, 400) / 10.0f;
        d.SecFiloRiga[i] = r.Fra(0, 400) / 10.0f;
        d.PriAvvSerCon[i] = static_cast<int16_t>(r.Fra(0, 21));
        d.SecAvvSerCon[i] = static_cast<int16_t>(r.Fra(0, 21));
    }
}

// The fields an open checks, drawn again within what the windows of every
// kind, their dialogs and the editors take.
void Accettabile(ModuleDIC& d, Casuale& r) {
    const auto fra = [&r](double a, double b) { return static_cast<float>(a + (b - a) * r.Fra(0, 1000) / 1000.0); };
    for (int j = 0; j < FILO_COLONNE; ++j)
        for (int k = 0; k < FILO_RIGHE; ++k) {
            d.FiloNudo[k][j] = fra(0.001, 100);
            d.FiloIsolato[k][j] = fra(0.001, 100);
            // The custom wire: coefficients of at most five digits.
            for (FiloTab* t : {&d.SezioneFilo, &d.SpireCM, &d.CoefKfFilo, &d.ResistenzaFilo, &d.PesoFilo})
                (*t)[k][j] = fra(0.001, k == 38 ? 99999 : 1e6);
        }
    for (FiloTab* t : {&d.KfRame, &d.OhmRame, &d.PesSpeRame})
        for (int j = 0; j < FILO_COLONNE; ++j) (*t)[38][j] = fra(0.001, 99999);
    for (int i = 0; i < LAM_RIGHE; ++i) {
        for (LamArr* m : {&d.LamA, &d.LamB, &d.LamC, &d.LamD, &d.LamE, &d.LamF, &d.LamG}) (*m)[i] = fra(5, 999);
        d.LamPeso[i] = fra(0.01, 9999);
        d.LamAxB[i] = fra(0, 9999);
    }
    for (float* v : {&d.RochIsoAvvH, &d.RochIsoAvvI, &d.RochIsoAvvL, &d.RochIsoStrH, &d.RochIsoStrI, &d.RochIsoStrL})
        *v = fra(0.01, 999);
    d.RochIngKi = fra(0.1, 999);
    d.LamCdP = fra(0.1, 999);
    d.LamSP = fra(0, 1e6);
    d.LamSE = fra(0, 1e6);
    d.LamPesoPacco = fra(0, 1e6);
    d.CoefKMin = fra(0.6, 1);
    d.CoefKMax = fra(1.2, 1.6);
    d.PotPass = fra(0, 9999);
    d.Frequenza = r.Fra(0, 1) ? 50.0f : 60.0f;
    d.Induzione = fra(0.1, 2);
    d.Densita = fra(0.5, 9);
    for (int i = 0; i < 12; ++i) {
        for (AvvArr* v : {&d.PriVolt, &d.SecVolt, &d.SecPot, &d.PriVoltLin, &d.SecVoltLin, &d.SecPotLin})
            (*v)[i] = fra(0.1, 9999);
        d.SecAmp[i] = fra(0.001, 999);
        d.SecAmpLin[i] = fra(0.001, 999);
        d.PriAmp[i] = fra(0, 1e6);
        d.SecAmpFilo[i] = fra(0, 1e6);
        d.PriSpire[i] = fra(-1e6, 1e6);
        d.SecSpire[i] = fra(0, 1e6);
    }
    for (int k = 0; k < 2; ++k)
        for (RochArr* m : {&d.RochC, &d.RochSp, &d.RochM, &d.RochH, &d.RochI, &d.RochL, &d.RochGolaH, &d.RochGolaI,
                           &d.RochGolaL})
            (*m)[k] = fra(0.001, 9999);
    for (int i = 0; i < 9; ++i) {
        d.PriTrif[i] = r.Fra(0, 1) ? "D" : "Y";
        d.SecTrif[i] = std::string(1, "dyz"[r.Fra(0, 2)]);
    }
    d.PriImp[16] = fra(0.1, 999999);
    d.PriAmp[16] = fra(0.001, 99999);
    for (int c = 16; c <= 18; ++c) d.SecImp[c] = fra(2, 999999);
    // What the windows show as it was stored: the coefficient, the output
    // transformer's sections and loads.
    d.CoefK = fra(0.6, 1.6);
    for (int i = 0; i <= 18; ++i) {
        for (AvvArr* v : {&d.PriPot, &d.PriVolt, &d.SecVolt, &d.SecVoltVuoto, &d.SecPot, &d.SecAmp})
            if (i >= 12) (*v)[i] = fra(0, 1e6);
        d.PriPot[i] = fra(0, 1e6);
        d.SecVoltVuoto[i] = fra(0, 1e6);
        d.PriSpire[i] = fra(-1e6, 1e6);
        d.SecSpire[i] = fra(0, 1e6);
    }
}

template <class T>
void Confronta(const T& a, const T& b, const std::string& nome) { EXPECT_EQ(a, b) << nome; }
// Singles to seven significant digits.
void Confronta(const float& a, const float& b, const std::string& nome) { EXPECT_NEAR(a, b, std::fabs(a) * 1e-6) << nome; }
template <class T, size_t N>
void Confronta(const std::array<T, N>& a, const std::array<T, N>& b, const std::string& nome) {
    for (size_t i = 0; i < N; ++i) Confronta(a[i], b[i], nome + "(" + std::to_string(i) + ")");
}

// A scratch folder: dir / "name.tmf" is a path inside it.
struct CartellaTemp : libtest::Cartella {
    std::string operator/(const std::string& f) const { return File(f); }
};

// A small plain design that any test can save.
std::unique_ptr<ModuleDIC> DesignSemplice() {
    auto d = std::make_unique<ModuleDIC>();
    d->TipoCalcolo = 1;
    d->PriUlt = 0;
    d->SecUlt = 1;
    d->Frequenza = 50;
    d->LamNome[0] = "EI 48";
    // What the single-phase window's fields and dialogs would hold.
    d->LamCdP = 1.5f;
    d->Induzione = 1;
    d->Densita = 2.5f;
    d->RochIngKi = 10;
    for (int i = 0; i < 12; ++i) {
        d->PriVolt[i] = d->SecVolt[i] = d->SecPot[i] = 230;
        d->SecAmp[i] = 1;
    }
    d->RochIsoAvvH = d->RochIsoAvvI = d->RochIsoAvvL = d->RochIsoStrH = d->RochIsoStrI = d->RochIsoStrL = 0.3f;
    return d;
}

}  // namespace

// ---------------------------------------------------------------- the layout table

TEST(ProgettoPack, RecordNumbersWorkedOutByHand) {
    auto d = std::make_unique<ModuleDIC>();
    d->Versione = "9.9.9";  // record 1 is our version whatever the store holds
    d->FiloNudo[40][24] = 1.25f;
    d->FiloIsolato[40][24] = 1.5f;
    d->SezioneFilo[40][24] = 0.0176f;
    d->SpireCM[40][24] = 6;
    d->CoefKfFilo[40][24] = 1.05f;
    d->ResistenzaFilo[40][24] = 0.5f;
    d->PesoFilo[40][24] = 10.75f;
    d->FiloNudo[39][24] = 7;  // the row before ends at 7202
    d->NomeLibRame[24] = "ultima.wir";
    d->KfRame[38][0] = 1.1f;
    d->PesSpeRame[38][24] = 8.9f;
    d->KfRame[0][0] = 99;  // never stored
    d->FiloScelto = 38;
    d->LamNetta[20] = 4.5f;
    d->RochTipo[5] = "R5";
    d->RochIngKi = 10;
    d->PriImp[0] = 3;
    d->PriGolaI[20] = FALSO;
    d->PriGolaL[20] = d->SecGolaL[20] = VERO;
    d->SecImp[0] = 8;
    d->AutoSpireOrd[25] = 123456;
    d->SecGolaI[20] = 1;  // not -1: stored as False
    d->TabSec = 3;
    d->Frequenza = 60;
    d->PriUlt = 11;
    d->SecUlt = 8;
    d->SecTipo = "H";
    d->PotPass = -2.5f;
    for (int i = 9042; i < 9999; ++i) d->Rec[i] = "avanzo";
    std::string err;
    ASSERT_TRUE(CompilaRecProgetto(*d, err)) << err;
    auto R = [&d](int rec) { return d->Rec[rec - 1]; };

    // Custom wire row 40 of column 24 fills 7203..7209 after PesoFilo(39, 24)
    // at 7202; LamNetta(20) = 7287 + 12*20 + 11; RochTipo(5) = 7551 + 10*5 + 9;
    // PriGolaL(20) = 7641 + 30*20 + 29; SecGolaL(20) = 8272 + 33*20 + 32;
    // AutoSpireOrd(25) = 8991 + 2*25 + 1. SecGolaI(20) holds 1.
    const std::pair<int, const char*> attesi[] = {
        {1, "1.5.0"},  {32, "ultima.wir"}, {7202, "0"},      {7196, "7"},       {7203, "1,25"},  {7204, "1,5"},
        {7205, "0,0176"}, {7206, "6"},     {7207, "1,05"},   {7208, "0,5"},     {7209, "10,75"},
        {7210, "1,1"} /* KfRame(38, 0) */, {7284, "8,9"} /* PesSpeRame(38, 24) */, {7285, "38"},
        {7538, "4,5"}, {7610, "R5"},       {7640, "10"} /* RochIngKi */,        {7641, "3"} /* PriImp(0) */,
        {8269, "False"} /* PriGolaI(20) */, {8270, "True"}, {8272, "8"} /* SecImp(0) */, {8963, "False"},
        {8964, "True"}, {8965, "3"} /* TabSec */, {8970, "60"} /* Frequenza */, {8978, "11"} /* PriUlt */,
        {8979, "8"} /* SecUlt */, {8980, "H"}, {8990, "-2,5"} /* PotPass */, {9042, "123456"}};
    for (const auto& [rec, testo] : attesi) EXPECT_EQ(R(rec), testo) << rec;
    for (int rec = 9043; rec <= 9999; ++rec) ASSERT_EQ(R(rec), "") << rec;
    for (int rec = 1; rec <= 9042; ++rec) EXPECT_NE(R(rec), "99") << rec;
}

// ---------------------------------------------------------------- save and open

TEST(ProgettoFile, RandomDesignComesBackFieldByField) {
    CartellaTemp dir;
    for (unsigned seme : {1u, 2u, 3u}) {
        SCOPED_TRACE(seme);
        Casuale r(seme);
        auto a = std::make_unique<ModuleDIC>();
        DesignCasuale(*a, r);
        Accettabile(*a, r);
        a->RochTipo[2] = "";  // an empty text comes back empty
        const std::string file = dir / ("prova" + std::to_string(seme) + ".tmf");
        std::string err;
        ASSERT_TRUE(SalvaProgetto(*a, file, "prova.tmf", err)) << err;
        EXPECT_EQ((Testi{a->FileNome, a->FileTitolo}), (Testi{file, "prova.tmf"}));
        EXPECT_EQ(fs::file_size(file), 999900u);

        // The opening design holds other values everywhere, also where nothing is stored.
        Casuale altro(seme + 100);
        auto b = std::make_unique<ModuleDIC>();
        DesignCasuale(*b, altro);
        b->KfRame[0][0] = 1.07f;
        b->OhmRame[0][0] = 0.0176f;
        b->RochTipo[2] = "prima";
#define R(x) Riempi(b->x, altro);
        NON_SALVATI(R)
#undef R
        auto prima = std::make_unique<ModuleDIC>(*b);

        EsitoLettura es;
        ASSERT_TRUE(ApriProgetto(file, *b, err, &es)) << err;
        EXPECT_TRUE(!es.precedente && es.corretti == 0);
#define C(x) Confronta(a->x, b->x, #x);
        SINGOLI(C) INTERI(C) FLAG(C) TESTI(C) INTERI_SNG(C)
#undef C
#define C(x) Confronta(prima->x, b->x, #x);
        NON_SALVATI(C)
#undef C
        for (auto m : {&ModuleDIC::KfRame, &ModuleDIC::OhmRame, &ModuleDIC::PesSpeRame})
            Confronta(((*a).*m)[38], ((*b).*m)[38], "custom wire");
        Esatti({V(b->KfRame[0][0], 1.07f), V(b->OhmRame[0][0], 0.0176f)});
        EXPECT_EQ((Testi{b->FileTitolo, b->FileNome, b->Versione}), (Testi{"prova.tmf", file, "1.5.0"}));
    }
}

// A save writes the very bytes the record buffer's pack would give, one
// design after another (texts of numbers a save wrote before included).
TEST(ProgettoFile, SaveWritesWhatThePackOfTheRecordBufferGives) {
    CartellaTemp dir;
    for (unsigned seme : {21u, 22u}) {
        Casuale r(seme);
        auto d = std::make_unique<ModuleDIC>();
        DesignCasuale(*d, r);
        d->FiloNudo[5][5] = -d->FiloNudo[4][4];
        d->SezioneFilo[1][1] = 0.0f;
        d->SpireCM[2][2] = -0.0f;
        std::string err;
        ASSERT_TRUE(SalvaProgetto(*d, dir / "salvato.tmf", "salvato.tmf", err)) << err;
        ASSERT_TRUE(CompilaRecProgetto(*d, err)) << err;
        ASSERT_TRUE(recfile::Scrivi(dir / "dal_buffer.tmf", LUNG_REC, NUM_RECORD, d->Rec.data()).ok);
        EXPECT_EQ(libtest::Byte(dir / "salvato.tmf"), libtest::Byte(dir / "dal_buffer.tmf")) << seme;
    }
}

TEST(ProgettoFile, EarlierLayoutIsReadFromItsOwnOffsets) {
    CartellaTemp dir;
    for (const std::string& primo : {std::string("7"), std::string("1.4.2")}) {
        SCOPED_TRACE(primo);
        auto d = std::make_unique<ModuleDIC>();
        Casuale r(7);
        Accettabile(*d, r);
        d->Versione = "1.5.0";
        d->NumElementi = 30;
        d->KfRame[38].fill(1.05f);
        d->OhmRame[38][24] = 0.0178f;
        // The design in use as the earlier layout holds it: no version record,
        // no custom-wire coefficients (current records 7210 to 7284).
        auto pacco = std::make_unique<ModuleDIC>(*d);
        std::string err;
        ASSERT_TRUE(CompilaRecProgetto(*pacco, err)) << err;
        std::vector<std::string> rec(8966);
        for (int n = 1; n <= 8966; ++n) rec[static_cast<size_t>(n - 1)] = pacco->Rec[static_cast<size_t>(n <= 7208 ? n : n + 75)];
        rec[0] = primo;  // NumElementi (no version record)
        // FileTitolo, FileNome, TipoCalcolo, NomeLibRame(0), FiloNudo(0, 0), PesoFilo(40, 24),
        // FiloScelto, AreaNecessaria, LamAxB(0), PriImp(0) (7641 - 76), PriVolt(0),
        // Frequenza (8970 - 76), PriUlt, SecUlt, AutoSpireOrd(25).
        const std::pair<int, const char*> righe[] = {
            {3, "Vecchio.tmf"}, {4, "C:\\vecchio.tmf"}, {5, "3"}, {6, "C:\\lib\\rame0.wir"}, {33, "0,5"},
            {7207, "2,25"}, {7208, "12"}, {7209, "33,5"}, {7210, "6,25"}, {7564, "230"}, {7565, "400"},
            {8893, "50"}, {8901, "2"}, {8902, "1"}, {8965, "77"}};
        for (const auto& [i, testo] : righe) rec[static_cast<size_t>(i)] = testo;
        // The letters of the windings in use: PriTrif(i) 7665 + 30i, SecTrif(i) 8299 + 33i, 76 records earlier.
        for (int i = 0; i < 3; ++i) rec[static_cast<size_t>(7665 + 30 * i - 77)] = "D";
        for (int i = 0; i < 2; ++i) rec[static_cast<size_t>(8299 + 33 * i - 77)] = "z";
        ASSERT_TRUE(recfile::Scrivi(dir / "vecchio.ttf", 100, 8966, rec.data()).ok);

        EsitoLettura es;
        if (primo != "7") {
            // Another version's text where the earlier layout has its number of wires.
            EXPECT_FALSE(ApriProgetto(dir / "vecchio.ttf", *d, err, &es));
            EXPECT_EQ(es.motivo, "Il progetto è danneggiato: il Record 1 non è leggibile.");
            continue;
        }
        ASSERT_TRUE(ApriProgetto(dir / "vecchio.ttf", *d, err, &es)) << err;
        EXPECT_TRUE(es.precedente && d->NumElementi == 7);
        EXPECT_EQ((Testi{d->FileTitolo, d->FileNome, d->NomeLibRame[0]}),
                  (Testi{"Vecchio.tmf", dir / "vecchio.ttf", "C:\\lib\\rame0.wir"}));
        Esatti({V(d->TipoCalcolo, 3), V(d->FiloNudo[0][0], 0.5f), V(d->PesoFilo[40][24], 2.25f), V(d->FiloScelto, 12),
                V(d->AreaNecessaria, 33.5f), V(d->LamAxB[0], 6.25f), V(d->PriImp[0], 230), V(d->PriVolt[0], 400),
                V(d->Frequenza, 50), V(d->PriUlt, 2), V(d->SecUlt, 1), V(d->AutoSpireOrd[25], 77)});
        // The fields the earlier layout lacks keep their values.
        for (int j = 0; j < FILO_COLONNE; ++j) EXPECT_EQ(d->KfRame[38][j], 1.05f) << j;
        EXPECT_TRUE(d->OhmRame[38][24] == 0.0178f && d->Versione == "1.5.0");
    }
}

// Opens one after another: each refused file leaves the design in use as it
// was, whatever an earlier accepted open or the refused file itself left in
// the storage opens keep; an accepted file's missing fields come from the
// design in use, not from an earlier file.
TEST(ProgettoFile, RefusedAfterAcceptedLeavesTheDesignAndNothingCarriesOver) {
    CartellaTemp dir;
    std::string err;
    auto a = DesignSemplice();
    ASSERT_TRUE(SalvaProgetto(*a, dir / "a.tmf", "a.tmf", err)) << err;
    // A usable file but for its kind (0), and one with a bad record length.
    auto k = std::make_unique<ModuleDIC>(*a);
    k->KfRame[38][0] = 9.5f;
    k->PriVolt[3] = 77;
    k->LamNome[2] = "dal rifiutato";
    ASSERT_TRUE(CompilaRecProgetto(*k, err)) << err;
    k->Rec[6] = "0";
    ASSERT_TRUE(recfile::Scrivi(dir / "tipo.tmf", 100, NUM_RECORD, k->Rec.data()).ok);
    std::string rotto = libtest::Byte(dir / "a.tmf");
    rotto[5000 * 100] = 99;  // record 5001 claims 99 bytes
    std::ofstream(dir / "rotto.tmf", std::ios::binary) << rotto;
    // An earlier-layout file: no custom-wire coefficients.
    std::vector<std::string> vecchio(8966);
    for (int i = 0; i < 8966; ++i) vecchio[static_cast<size_t>(i)] = k->Rec[static_cast<size_t>(i + (i < 7208 ? 1 : 76))];
    vecchio[5] = "1";
    ASSERT_TRUE(recfile::Scrivi(dir / "vecchio.tmf", 100, 8966, vecchio.data()).ok);

    auto b = std::make_unique<ModuleDIC>();
    ASSERT_TRUE(ApriProgetto(dir / "a.tmf", *b, err)) << err;
    // The user's edits.
    b->PriVolt[3] = 5;
    b->KfRame[38][0] = 1.25f;
    b->LamNome[2] = "mio";
    const auto prima = std::make_unique<ModuleDIC>(*b);
    const auto uguale = [&](const char* caso) {
        SCOPED_TRACE(caso);
#define C(x) Confronta(prima->x, b->x, #x);
        SINGOLI(C) INTERI(C) FLAG(C) TESTI(C) INTERI_SNG(C) NON_SALVATI(C)
#undef C
        EXPECT_EQ(prima->KfRame, b->KfRame);
        EXPECT_EQ((Testi{b->FileNome, b->FileTitolo, b->Versione}), (Testi{prima->FileNome, prima->FileTitolo, prima->Versione}));
    };
    EsitoLettura es;
    EXPECT_FALSE(ApriProgetto(dir / "tipo.tmf", *b, err, &es));
    EXPECT_NE(es.motivo.find("tipo di calcolo"), std::string::npos) << es.motivo;
    uguale("kind");
    EXPECT_FALSE(ApriProgetto(dir / "rotto.tmf", *b, err));
    EXPECT_EQ(err, "Il File rotto.tmf non è un Progetto valido\nIl progetto è danneggiato: il Record 5001 non è leggibile.");
    uguale("record length");
    // Refused by the caller's own check, with its words.
    EXPECT_FALSE(ApriProgetto(dir / "a.tmf", *b, err, &es, [](const ModuleDIC& d) {
        return d.PriVolt[3] == 5 ? std::string() : std::string("non di questa finestra");
    }));
    EXPECT_TRUE(err == "Il File a.tmf non è un Progetto valido\nnon di questa finestra" &&
                es.motivo == "non di questa finestra" && !es.utilizzabile) << err;
    uguale("caller's check");

    ASSERT_TRUE(ApriProgetto(dir / "vecchio.tmf", *b, err, &es)) << err;
    EXPECT_TRUE(es.precedente);
    Esatti({V(b->KfRame[38][0], 1.25f), V(b->PriVolt[3], 77), V(b->TipoCalcolo, 1)});
    EXPECT_EQ(b->LamNome[2], "dal rifiutato");
}

TEST(ProgettoRead, IntegerReadFieldsRoundHalvesToEvenAndBadTextsAreRefused) {
    auto d = DesignSemplice();
    std::string err;
    ASSERT_TRUE(CompilaRecProgetto(*d, err));
    // FiloScelto, Frequenza, PriUlt, SecUlt.
    const std::pair<int, const char*> righe[] = {{7284, "12,5"}, {8969, "49,5"}, {8977, "2,5"}, {8978, "1,5"}};
    for (const auto& [i, testo] : righe) d->Rec[static_cast<size_t>(i)] = testo;
    d->FiloScelto = d->Frequenza = d->PriUlt = d->SecUlt = 9;
    auto base = std::make_unique<ModuleDIC>(*d);
    const EsitoLettura es = LeggiRecProgetto(*d);
    ASSERT_TRUE(es.utilizzabile) << es.motivo;
    Esatti({V(d->FiloScelto, 12), V(d->Frequenza, 50), V(d->PriUlt, 2), V(d->SecUlt, 2)});
    // A text the file holds that is no value of its field refuses the file,
    // naming the record: PriImp(0) and ConoscoPotenza empty, PriVolt(0) no
    // number, CadutaVolt beyond a Single, LamScelto beyond an Integer.
    const std::pair<int, const char*> cattivi[] = {{7640, ""}, {2, ""},        {7641, "abc"},
                                                   {8965, "1e99"}, {7544, "40000"}, {7641, "1E+300"}};
    for (const auto& [i, testo] : cattivi) {
        SCOPED_TRACE(testo);
        auto c = std::make_unique<ModuleDIC>(*base);
        c->Rec[static_cast<size_t>(i)] = testo;
        const EsitoLettura r = LeggiRecProgetto(*c);
        EXPECT_FALSE(r.utilizzabile);
        EXPECT_EQ(r.motivo, "Il progetto è danneggiato: il Record " + std::to_string(i + 1) + " non è leggibile.");
    }
}

TEST(ProgettoRead, ShortFileOrOtherRecordLengthIsRefusedAndDesignUntouched) {
    CartellaTemp dir;
    auto d = DesignSemplice();
    std::string err;
    ASSERT_TRUE(SalvaProgetto(*d, dir / "pieno.tmf", "pieno.tmf", err)) << err;
    const std::string dati = Byte(dir / "pieno.tmf");
    std::ofstream(dir / "9041.tmf", std::ios::binary) << dati.substr(0, 9041 * 100);
    std::ofstream(dir / "9042.tmf", std::ios::binary) << dati.substr(0, 9042 * 100);

    // Larger than a project, misaligned.
    ASSERT_TRUE(recfile::Scrivi(dir / "L120.tmf", 120, 9999, d->Rec.data()).ok);
    // The first 100 records of the earlier layout, which has no version record.
    ASSERT_TRUE(CompilaRecProgetto(*d, err)) << err;
    ASSERT_TRUE(recfile::Scrivi(dir / "vecchio.tmf", 100, 100, d->Rec.data() + 1).ok);

    // No file to read: a folder, a named pipe.
    fs::create_directory(dir / "cartella.tmf");
    ASSERT_EQ(::mkfifo((dir / "fifo.tmf").c_str(), 0644), 0);

    const std::pair<const char*, std::string> casi[] = {
        {"9041.tmf", "Il File 9041.tmf non è un Progetto valido\n"
                     "Il progetto è incompleto: il file ne contiene solo una parte (9041 record su 9042)."},
        {"vecchio.tmf", "Il File vecchio.tmf non è un Progetto valido\n"
                        "Il progetto è incompleto: il file ne contiene solo una parte (100 record su 8966)."},
        {"L120.tmf", "Il File L120.tmf non è un Progetto valido\nIl file non contiene un tipo di calcolo valido."},
        {"manca.tmf", "Impossibile aprire il progetto:\n\"" + (dir / "manca.tmf") + "\": il file o la cartella non esiste"},
        {"cartella.tmf", "Impossibile aprire il progetto:\n\"" + (dir / "cartella.tmf") + "\" è una cartella, non un file"},
        {"fifo.tmf", "Impossibile aprire il progetto:\n\"" + (dir / "fifo.tmf") + "\" non è un file"}};
    for (const auto& [nome, testo] : casi) {
        SCOPED_TRACE(nome);
        auto b = std::make_unique<ModuleDIC>();
        b->TipoCalcolo = 2;
        b->PriVolt[0] = 9;
        b->FileTitolo = "mio.atm";
        b->FileNome = "/mio.atm";
        std::string e;
        EXPECT_FALSE(ApriProgetto(dir / nome, *b, e));
        EXPECT_EQ(e, testo);
        Esatti({V(b->TipoCalcolo, 2), V(b->PriVolt[0], 9)});
        EXPECT_EQ((Testi{b->FileTitolo, b->FileNome}), (Testi{"mio.atm", "/mio.atm"}));
    }
    // Records after 9042 carry nothing: a file ending there is whole.
    auto b = std::make_unique<ModuleDIC>();
    ASSERT_TRUE(ApriProgetto(dir / "9042.tmf", *b, err)) << err;
    EXPECT_EQ(b->PriVolt[0], 230.0f);
}

// Texts met in earlier opens read as they do the first time: a number that
// is not, in another file or record, or the same digits with a blank.
TEST(ProgettoRead, TextsReadBeforeReadAlike) {
    CartellaTemp dir;
    auto base = DesignSemplice();
    std::string err;
    ASSERT_TRUE(CompilaRecProgetto(*base, err)) << err;
    // PriImp(0) and PriImp(1) (records 7641, 7671), opened one file after
    // another; a text that does not convert refuses the file (record 0: opens).
    const std::tuple<const char*, const char*, float, float, int> casi[] = {
        {"4,5", "abc", 4.5f, 2, 7671}, {"abc", "4,5", 1, 4.5f, 7641}, {"4,5 ", "4,50", 4.5f, 4.5f, 0},
        {"1234567890123456", "0,1", 1234567890123456.0f, 0.1f, 0}, {"4,5", "", 4.5f, 2, 7671}};
    int k = 0;
    for (const auto& [a, b, va, vb, rifiutato] : casi) {
        SCOPED_TRACE(std::string(a) + " / " + b);
        base->Rec[7640] = a;
        base->Rec[7670] = b;
        const std::string f = dir / ("t" + std::to_string(k++) + ".tmf");
        ASSERT_TRUE(recfile::Scrivi(f, LUNG_REC, NUM_RECORD, base->Rec.data()).ok);
        auto d = std::make_unique<ModuleDIC>();
        d->PriImp[0] = 1;
        d->PriImp[1] = 2;
        EXPECT_EQ(ApriProgetto(f, *d, err), rifiutato == 0) << err;
        if (rifiutato != 0) {
            EXPECT_NE(err.find("il Record " + std::to_string(rifiutato) + " non è leggibile"), std::string::npos) << err;
        }
        Esatti({V(d->PriImp[0], rifiutato ? 1 : va), V(d->PriImp[1], rifiutato ? 2 : vb)});
    }
}

// The bytes that pad a record after its text are no part of it: a text
// padded with the digits of a longer one, the same text padded otherwise, an
// empty text padded with a number; alike in a second open of the file.
TEST(ProgettoRead, BytesAfterTheTextAreNoPartOfIt) {
    CartellaTemp dir;
    auto base = DesignSemplice();
    std::string err;
    ASSERT_TRUE(CompilaRecProgetto(*base, err)) << err;
    // PriImp(0..3): records 7641, 7671, 7701, 7731.
    base->Rec[7640] = "4,5";
    base->Rec[7670] = "4,57";
    base->Rec[7700] = "4,5";
    base->Rec[7730] = "";
    const std::string f = dir / "imbottito.tmf";
    ASSERT_TRUE(recfile::Scrivi(f, LUNG_REC, NUM_RECORD, base->Rec.data()).ok);
    std::string dati = Byte(f);
    dati[7640 * 100 + 2 + 3] = '7';          // "4,5" and then "7"
    dati.replace(7730 * 100 + 2, 3, "4,5");  // length 0, then "4,5"
    std::ofstream(f, std::ios::binary) << dati;
    for (int volta = 0; volta < 2; ++volta) {
        auto d = std::make_unique<ModuleDIC>();
        d->PriImp[3] = 9;
        EXPECT_FALSE(ApriProgetto(f, *d, err));
        EXPECT_EQ(err, "Il File imbottito.tmf non è un Progetto valido\n"
                       "Il progetto è danneggiato: il Record 7731 non è leggibile.");
        EXPECT_EQ(d->PriImp[3], 9);
    }
    // With a text of its own there, the padded ones read as written.
    dati.replace(7730 * 100, 3, std::string("\x01\x00" "7", 3));
    std::ofstream(f, std::ios::binary) << dati;
    for (int volta = 0; volta < 2; ++volta) {
        auto d = std::make_unique<ModuleDIC>();
        ASSERT_TRUE(ApriProgetto(f, *d, err)) << err;
        Esatti({V(d->PriImp[0], 4.5f), V(d->PriImp[1], 4.57f), V(d->PriImp[2], 4.5f), V(d->PriImp[3], 7)});
    }
}

TEST(ProgettoRead, KindOrCountOutOfRangeRefusesOtherIndexesAreMadeSafe) {
    auto base = DesignSemplice();
    std::string err;
    ASSERT_TRUE(CompilaRecProgetto(*base, err));
    struct Caso { int rec; const char* testo; };
    for (Caso c : {Caso{7, "0"}, Caso{7, "6"}, Caso{7, "abc"}, Caso{8978, "21"}, Caso{8979, "-1"},
                   Caso{8979, ""}}) {
        SCOPED_TRACE(std::to_string(c.rec) + " " + c.testo);
        auto d = std::make_unique<ModuleDIC>(*base);
        d->Rec[c.rec - 1] = c.testo;
        EXPECT_FALSE(LeggiRecProgetto(*d).utilizzabile);
    }

    auto d = std::make_unique<ModuleDIC>(*base);
    // LamScelto, RochScelto, FiloScelto, PriFiloRiga(3), SecFiloRiga(20); PriAvvSer, PriAvvAda and
    // PriAvvSerCon(2); SecAvvSer, SecAvvCar, SecAvvSerCon(5); SecAvvSerCon and SecAvvSer(6) and
    // PriFiloRiga(4) in range; NumElementi: more rows than a wire table has.
    const std::pair<int, const char*> righe[] = {
        {7545, "21"},  {7611, "6"}, {7285, "41"}, {7641 + 30 * 3 + 8, "-1"}, {8272 + 33 * 20 + 10, "40,6"},
        {7641 + 30 * 2 + 21, "True"}, {7641 + 30 * 2 + 22, "True"}, {7641 + 30 * 2 + 23, "22"},
        {8272 + 33 * 5 + 23, "True"}, {8272 + 33 * 5 + 25, "True"}, {8272 + 33 * 5 + 26, "-3"},
        {8272 + 33 * 6 + 26, "21"},   {8272 + 33 * 6 + 23, "True"}, {7641 + 30 * 4 + 8, "40"}, {2, "300"}};
    for (const auto& [rec, testo] : righe) d->Rec[static_cast<size_t>(rec - 1)] = testo;
    const EsitoLettura es = LeggiRecProgetto(*d);
    ASSERT_TRUE(es.utilizzabile) << es.motivo;
    EXPECT_EQ(es.corretti, 8);
    Esatti({V(d->NumElementi, 0), V(d->LamScelto, 0), V(d->RochScelto, 0), V(d->FiloScelto, 0), V(d->PriFiloRiga[3], 0),
            V(d->SecFiloRiga[20], 0), V(d->PriFiloRiga[4], 40), V(d->PriAvvSerCon[2], 1), V(d->PriAvvIso[2], VERO),
            V(d->PriAvvSer[2], FALSO), V(d->PriAvvAda[2], FALSO), V(d->SecAvvSerCon[5], 1), V(d->SecAvvIso[5], VERO),
            V(d->SecAvvSer[5], FALSO), V(d->SecAvvCar[5], FALSO), V(d->SecAvvSerCon[6], 21), V(d->SecAvvSer[6], VERO)});

    // 39 (a library of 38 wires) is kept; -1 is not.
    for (auto [testo, n, corretti] : {std::tuple{"39", 39, 0}, std::tuple{"-1", 0, 1}}) {
        auto e = std::make_unique<ModuleDIC>(*base);
        e->Rec[2 - 1] = testo;
        const EsitoLettura r = LeggiRecProgetto(*e);
        EXPECT_TRUE(r.utilizzabile && r.corretti == corretti && e->NumElementi == n) << testo;
    }
}

// The path (record 6, never read back), the title and the library names keep
// their last 98 characters, "?" for a character with no Windows-1252 code;
// the design keeps the names as given.
TEST(ProgettoSave, LongOrForeignNamesAreFoldedLikeThePath) {
    CartellaTemp dir;
    std::string percorso = dir / "";
    percorso += std::string(114 - percorso.size(), 'x') + "Ω.tmf";  // 120 bytes, 119 characters
    const std::string titolo = std::string(100, 't') + "Ω.tmf";
    auto d = DesignSemplice();
    d->NomeLibLam = "/" + std::string(119, 'L');
    d->NomeLibRame[3] = "/libreria/Ω.wir";
    std::string err;
    ASSERT_TRUE(SalvaProgetto(*d, percorso, titolo, err)) << err;
    EXPECT_EQ((Testi{d->FileNome, d->FileTitolo}), (Testi{percorso, titolo}));
    std::string piegato = percorso;
    piegato.replace(piegato.find("Ω"), 2, "?");
    ASSERT_EQ(piegato.size(), 119u);
    EXPECT_EQ(RecordGrezzo(Byte(percorso), 6), piegato.substr(21));
    auto b = std::make_unique<ModuleDIC>();
    ASSERT_TRUE(ApriProgetto(percorso, *b, err)) << err;
    EXPECT_EQ((Testi{b->FileTitolo, b->NomeLibLam, b->NomeLibRame[3]}),
              (Testi{std::string(93, 't') + "?.tmf", std::string(98, 'L'), "/libreria/?.wir"}));
}

TEST(ProgettoSave, TextThatCannotBeStoredFailsNamingTheFieldAndWritesNothing) {
    CartellaTemp dir;
    auto d = DesignSemplice();
    std::string err;

    // 98 accented letters are 98 bytes on file: they fit, and come back.
    d->LamNome[3] = "";
    for (int i = 0; i < 98; ++i) d->LamNome[3] += "è";
    ASSERT_TRUE(SalvaProgetto(*d, dir / "ok.tmf", "ok.tmf", err)) << err;
    auto b = std::make_unique<ModuleDIC>();
    ASSERT_TRUE(ApriProgetto(dir / "ok.tmf", *b, err)) << err;
    EXPECT_EQ(b->LamNome[3], d->LamNome[3]);
    const std::string vecchio = Byte(dir / "ok.tmf");
    d->FileNome = "/prima.tmf";
    d->FileTitolo = "prima.tmf";

    auto prova = [&](auto imposta, const std::string& nome) {
        SCOPED_TRACE(nome);
        auto c = std::make_unique<ModuleDIC>(*d);
        imposta(*c);
        std::string e;
        EXPECT_FALSE(SalvaProgetto(*c, dir / "no.tmf", "no.tmf", e));
        EXPECT_NE(e.find(nome), std::string::npos) << e;
        EXPECT_FALSE(fs::exists(dir / "no.tmf"));
        EXPECT_FALSE(SalvaProgetto(*c, dir / "ok.tmf", "ok.tmf", e));
        EXPECT_EQ(Byte(dir / "ok.tmf"), vecchio);  // the old file stays as it was
        EXPECT_EQ((Testi{c->FileNome, c->FileTitolo}), (Testi{"/prima.tmf", "prima.tmf"}));
    };
    prova([](ModuleDIC& c) { c.LamNome[3] += "è"; }, "il nome del lamierino 4");
    prova([](ModuleDIC& c) { c.RochTipo[1] = "bobina Ω"; }, "il tipo del rocchetto 2");
    prova([](ModuleDIC& c) { c.SecTrif[7] = "日"; }, "il collegamento trifase del secondario 8");
}
