#include "files/Progetto.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string_view>
#include <system_error>
#include <utility>

#include "files/RecordFile.h"
#include "files/VerificaProgetto.h"
#include "platform/core/Numeri.h"

namespace progetto {

namespace {

// Accessors: `expr` may use the design `d`, the outer index `e` and the inner index `n`.
#define SNG(nome, expr)                                                       \
    Campo{#nome, Forma::Single,                                               \
          [](ModuleDIC& d, int e, int n) -> float& {                          \
              (void)d; (void)e; (void)n;                                      \
              return expr;                                                    \
          },                                                                  \
          nullptr, nullptr}
#define SNG_INT(nome, expr)                                                   \
    Campo{#nome, Forma::SingleIntero,                                         \
          [](ModuleDIC& d, int e, int n) -> float& {                          \
              (void)d; (void)e; (void)n;                                      \
              return expr;                                                    \
          },                                                                  \
          nullptr, nullptr}
#define INT(nome, expr)                                                       \
    Campo{#nome, Forma::Integer, nullptr,                                     \
          [](ModuleDIC& d, int e, int n) -> int16_t& {                        \
              (void)d; (void)e; (void)n;                                      \
              return expr;                                                    \
          },                                                                  \
          nullptr}
#define BOOL(nome, expr)                                                      \
    Campo{#nome, Forma::Boolean, nullptr,                                     \
          [](ModuleDIC& d, int e, int n) -> int16_t& {                        \
              (void)d; (void)e; (void)n;                                      \
              return expr;                                                    \
          },                                                                  \
          nullptr}
#define STR(nome, expr)                                                       \
    Campo{#nome, Forma::String, nullptr, nullptr,                             \
          [](ModuleDIC& d, int e, int n) -> std::string& {                    \
              (void)d; (void)e; (void)n;                                      \
              return expr;                                                    \
          }}

// Scalars and one-index arrays looped on the outer index.
#define S(x) SNG(x, d.x)
#define SI(x) SNG_INT(x, d.x)
#define I(x) INT(x, d.x)
#define B(x) BOOL(x, d.x)
#define T(x) STR(x, d.x)
#define SA(x) SNG(x, d.x[e])
#define IA(x) INT(x, d.x[e])
#define BA(x) BOOL(x, d.x[e])
#define TA(x) STR(x, d.x[e])

std::vector<Blocco> CostruisciLayout() {
    std::vector<Blocco> L;
    auto scalari = [&L](int primo, std::vector<Campo> campi, bool soloAttuale = false) {
        L.push_back(Blocco{primo, 1, 1, std::move(campi), soloAttuale});
    };
    auto vettore = [&L](int primo, int righe, std::vector<Campo> campi) {
        L.push_back(Blocco{primo, righe, 1, std::move(campi), false, "i"});
    };

    scalari(1, {T(Versione)}, true);
    scalari(2, {I(NumElementi), B(ConoscoPotenza), B(OptSingle), T(FileTitolo), T(FileNome),
                I(TipoCalcolo)});
    vettore(8, FILO_COLONNE, {TA(NomeLibRame)});
    scalari(33, {T(UltimaLibRame), T(NomeLibLam)});

    // Wire table: columns outside, rows inside; an element is (row, column).
    L.push_back(Blocco{35, FILO_COLONNE, FILO_RIGHE,
                       {SNG(FiloNudo, d.FiloNudo[n][e]), SNG(FiloIsolato, d.FiloIsolato[n][e]),
                        SNG(SezioneFilo, d.SezioneFilo[n][e]), SNG(SpireCM, d.SpireCM[n][e]),
                        SNG(CoefKfFilo, d.CoefKfFilo[n][e]),
                        SNG(ResistenzaFilo, d.ResistenzaFilo[n][e]),
                        SNG(PesoFilo, d.PesoFilo[n][e])},
                       false, "j", "r"});
    // Coefficients of each column's custom wire (row 38).
    L.push_back(Blocco{7210, FILO_COLONNE, 1,
                       {SNG(KfRame, d.KfRame[38][e]), SNG(OhmRame, d.OhmRame[38][e]),
                        SNG(PesSpeRame, d.PesSpeRame[38][e])},
                       true, "j"});

    scalari(7285, {SI(FiloScelto), S(AreaNecessaria)});
    vettore(7287, LAM_RIGHE,
            {SA(LamAxB), SA(LamA), SA(LamB), SA(LamC), SA(LamD), SA(LamE), SA(LamF), SA(LamG),
             SA(LamFinestra), SA(LamPeso), TA(LamNome), SA(LamNetta)});
    scalari(7539, {S(LamPesoPacco), S(LamSP), S(LamSE), S(LamCdP), S(LamPF), T(LamTipoDescr),
                   I(LamScelto), I(TabLam), B(LamMantello), B(Lam2Colonne), B(Lam3Colonne),
                   I(TipoLam)});
    vettore(7551, ROCH_RIGHE,
            {SA(RochC), SA(RochSp), SA(RochM), SA(RochH), SA(RochI), SA(RochL), SA(RochGolaH),
             SA(RochGolaI), SA(RochGolaL), TA(RochTipo)});
    scalari(7611, {I(RochScelto), I(RochGole1), I(RochGole2), I(RochDue), B(RochPersCalcolato),
                   S(SommaIngH1), S(SommaIngI1), S(SommaIngL1), S(SommaIsoH1), S(SommaIsoI1),
                   S(SommaIsoL1), S(IngGolaH1), S(IngGolaI1), S(IngGolaL1), S(SommaIngH2),
                   S(SommaIngI2), S(SommaIngL2), S(SommaIsoH2), S(SommaIsoI2), S(SommaIsoL2),
                   S(IngGolaH2), S(IngGolaI2), S(IngGolaL2), S(RochIsoAvvH), S(RochIsoAvvI),
                   S(RochIsoAvvL), S(RochIsoStrH), S(RochIsoStrI), S(RochIsoStrL),
                   S(RochIngKi)});
    vettore(7641, AVV_MAX,
            {SA(PriImp),     SA(PriVolt),     SA(PriVoltLin),   SA(PriAmp),      SA(PriAmpLin),
             SA(PriPot),     SA(PriPotLin),   SA(PriSpire),     SA(PriFiloRiga), SA(PriFiloNudo),
             SA(PriFiloIsol), SA(PriLung),    SA(PriPeso),      SA(PriPotPer),   SA(PriDens),
             SA(PriIng),     SA(PriSpSt),     SA(PriStrati),    SA(PriIso),      SA(PriRes),
             BA(PriAvvIso),  BA(PriAvvSer),   BA(PriAvvAda),    IA(PriAvvSerCon), TA(PriTrif),
             BA(PriRoch1),   BA(PriRoch2),    BA(PriGolaH),     BA(PriGolaI),    BA(PriGolaL)});
    scalari(8271, {I(TabPri)});
    vettore(8272, AVV_MAX,
            {SA(SecImp),      SA(SecVolt),     SA(SecVoltVuoto), SA(SecVoltLin),  SA(SecAmp),
             SA(SecAmpLin),   SA(SecAmpFilo),  SA(SecPot),       SA(SecPotLin),   SA(SecSpire),
             SA(SecFiloRiga), SA(SecFiloNudo), SA(SecFiloIsol),  SA(SecLung),     SA(SecPeso),
             SA(SecPotPer),   SA(SecDens),     SA(SecIng),       SA(SecSpSt),     SA(SecStrati),
             SA(SecIso),      SA(SecRes),      BA(SecAvvIso),    BA(SecAvvSer),   BA(SecAvvAda),
             BA(SecAvvCar),   IA(SecAvvSerCon), TA(SecTrif),     BA(SecRoch1),    BA(SecRoch2),
             BA(SecGolaH),    BA(SecGolaI),    BA(SecGolaL)});
    scalari(8965, {I(TabSec), S(CadutaVolt), S(CoefK), S(CoefKMin), S(CoefKMax), SI(Frequenza),
                   S(Induttanza), S(Traferro), S(Densita), S(Rendimento), S(PotMin), S(PotMax),
                   S(Induzione), SI(PriUlt), SI(SecUlt), T(SecTipo), S(FEMI), S(SecPotTot),
                   S(PriPotTot), S(Riserva1), S(Riserva2), S(PotPerPri), S(PotPerSec),
                   S(PotTotPers), S(CoefAuto), S(PotPass)});
    vettore(8991, AUTO_MAX, {SA(AutoVoltOrd), SA(AutoSpireOrd)});
    return L;
}

#undef SNG
#undef SNG_INT
#undef INT
#undef BOOL
#undef STR
#undef S
#undef SI
#undef I
#undef B
#undef T
#undef SA
#undef IA
#undef BA
#undef TA

// Calls f(block, field, record, outer, inner) for every record of the layout, in order.
template <class F>
void PerOgniRecord(F&& f) {
    for (const Blocco& b : ProgettoLayout()) {
        int rec = b.primo;
        for (int e = 0; e < b.esterni; ++e)
            for (int n = 0; n < b.interni; ++n)
                for (const Campo& c : b.campi) f(b, c, rec++, e, n);
    }
}

bool ECampo(const Campo& c, const char* nome) { return std::strcmp(c.nome, nome) == 0; }

// A path as it can be stored, in Windows-1252 bytes: characters without a
// code there become "?", and only the last MAX_TESTO characters of a longer
// path are kept.
void CodaPercorso(const std::string& utf8, std::string& cp) {
    if (recfile::Utf8ToCp1252(utf8, cp)) {
        if (cp.size() > static_cast<size_t>(MAX_TESTO)) cp.erase(0, cp.size() - MAX_TESTO);
        return;
    }
    cp.clear();
    std::string uno;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        if (i + len > utf8.size()) len = utf8.size() - i;
        if (recfile::Utf8ToCp1252(utf8.substr(i, len), uno) && uno.size() == 1)
            cp += uno;
        else
            cp += '?';
        i += len;
    }
    if (cp.size() > static_cast<size_t>(MAX_TESTO)) cp.erase(0, cp.size() - MAX_TESTO);
}

// The file names and paths a project keeps: folded when they cannot be
// stored as they are, since no user can shorten them here.
bool EPercorso(const Campo& c) {
    for (const char* nome : {"FileNome", "FileTitolo", "NomeLibRame", "UltimaLibRame", "NomeLibLam"})
        if (ECampo(c, nome)) return true;
    return false;
}

// A text field as the user knows it, for the message of a save that fails.
std::string Descrizione(const Blocco& b, const Campo& c, int e) {
    const std::string n = std::to_string(e + 1);
    if (ECampo(c, "LamNome")) return "il nome del lamierino " + n;
    if (ECampo(c, "RochTipo")) return "il tipo del rocchetto " + n;
    if (ECampo(c, "PriTrif")) return "il collegamento trifase del primario " + n;
    if (ECampo(c, "SecTrif")) return "il collegamento trifase del secondario " + n;
    if (ECampo(c, "LamTipoDescr")) return "la descrizione del tipo di lamierino";
    if (ECampo(c, "SecTipo")) return "la descrizione dei secondari";
    return "il testo di " + NomeElemento(b, c, e, 0);
}

bool IndiceValido(float v, float max) { return v >= 0.0f && v <= max; }  // false for NaN

}  // namespace

const std::vector<Blocco>& ProgettoLayout() {
    static const std::vector<Blocco> layout = CostruisciLayout();
    return layout;
}

int RecordPrecedente(int recordAttuale) {
    int mancanti = 0;  // records of the blocks the earlier layout lacks, before this one
    for (const Blocco& b : ProgettoLayout()) {
        if (recordAttuale < b.primo) break;
        if (recordAttuale <= b.Ultimo()) {
            if (b.soloAttuale) return 0;
            return recordAttuale - mancanti;
        }
        if (b.soloAttuale) mancanti += b.Records();
    }
    return 0;
}

std::string NomeElemento(const Blocco& b, const Campo& c, int esterno, int interno) {
    std::string s = c.nome;
    if (b.indiceEsterno && b.indiceInterno)  // (inner, outer): the wire table's (row, column)
        return s + "(" + std::to_string(interno) + ", " + std::to_string(esterno) + ")";
    if (b.indiceEsterno) return s + "(" + std::to_string(esterno) + ")";
    return s;
}

namespace {

// Packs every field of the layout, in order, into `out`: a number's text is
// written by out.Numero(v, where) where out.Posto(rec) points (room for
// num::kMaxTestoNumero bytes) and its length given to out.Fissa(rec, k); any
// other text goes to
// out.Testo(rec, utf8, cp1252), in both forms. False, with `errore` in the
// user's words, at the first text that cannot be stored.
template <class Uscita>
bool Impacchetta(ModuleDIC& d, std::string& errore, Uscita& out) {
    bool ok = true;
    std::string cp, utf8;
    PerOgniRecord([&](const Blocco& b, const Campo& c, int rec, int e, int n) {
        if (!ok) return;
        switch (c.forma) {
            case Forma::Single:
            case Forma::SingleIntero: {
                char* testo = out.Posto(rec);
                out.Fissa(rec, out.Numero(c.sng(d, e, n), testo));
                break;
            }
            case Forma::Integer: {
                const std::string t = num::IntToText(c.intero(d, e, n));
                out.Testo(rec, t, t);
                break;
            }
            case Forma::Boolean: {
                const std::string t = num::BoolToText(c.intero(d, e, n));
                out.Testo(rec, t, t);
                break;
            }
            case Forma::String: {
                if (rec == 1) {
                    out.Testo(rec, VERSIONE, VERSIONE);
                    break;
                }
                const std::string& testo = c.testo(d, e, n);
                if (EPercorso(c)) {
                    CodaPercorso(testo, cp);
                    recfile::Cp1252ToUtf8(cp, utf8);
                    out.Testo(rec, utf8, cp);
                    break;
                }
                if (!recfile::Utf8ToCp1252(testo, cp)) {
                    errore = "Impossibile salvare il progetto: " + Descrizione(b, c, e) +
                             " contiene caratteri che il file non può contenere.";
                    ok = false;
                } else if (cp.size() > static_cast<size_t>(MAX_TESTO)) {
                    errore = "Impossibile salvare il progetto: " + Descrizione(b, c, e) +
                             " è troppo lungo (al massimo " + std::to_string(MAX_TESTO) + " caratteri).";
                    ok = false;
                } else {
                    out.Testo(rec, testo, cp);
                }
                break;
            }
        }
    });
    return ok;
}

// The pack into the record buffer, in UTF-8.
struct NelBuffer {
    ModuleDIC& d;
    char numero[num::kMaxTestoNumero];
    size_t Numero(float v, char* dove) { return num::SngToText(v, dove); }
    char* Posto(int) { return numero; }
    void Fissa(int rec, size_t k) { d.Rec[static_cast<size_t>(rec - 1)].assign(numero, k); }
    void Testo(int rec, std::string_view utf8, std::string_view) { d.Rec[static_cast<size_t>(rec - 1)].assign(utf8); }
};

// The texts of the Singles a save wrote lately, by their bits: a design
// repeats many (each column of the wire table holds the same library).
class TestiRecenti {
public:
    size_t Testo(float v, char* dove) {
        uint32_t bit = 0;
        std::memcpy(&bit, &v, sizeof bit);
        Voce& x = voci_[(bit * 2654435761u) >> (32 - kBit)];
        if (x.lunghezza != 0 && x.bit == bit) {
            std::memcpy(dove, x.testo, x.lunghezza);
            return x.lunghezza;
        }
        const size_t k = num::SngToText(v, dove);
        if (k <= sizeof x.testo) {
            x.bit = bit, x.lunghezza = static_cast<uint8_t>(k);
            std::memcpy(x.testo, dove, k);
        }
        return k;
    }

private:
    static constexpr int kBit = 10;
    struct Voce {
        uint32_t bit = 0;
        uint8_t lunghezza = 0;  // 0: empty
        char testo[27] = {};
    };
    std::array<Voce, size_t{1} << kBit> voci_{};
};

// The pack straight into the image of the file, in the file's bytes.
struct NelFile {
    recfile::Immagine& immagine;
    TestiRecenti& recenti;
    size_t Numero(float v, char* dove) { return recenti.Testo(v, dove); }
    char* Posto(int rec) { return immagine.Testo(rec - 1); }
    void Fissa(int rec, size_t k) { immagine.Lunghezza(rec - 1, k); }
    void Testo(int rec, std::string_view, std::string_view cp) { immagine.Metti(rec - 1, cp); }
};

// The records an unpack reads: the record buffer (texts in UTF-8) ...
struct DalBuffer {
    const std::array<std::string, NUM_REC>& rec;
    std::string_view operator[](int i) const { return rec[static_cast<size_t>(i)]; }
    std::optional<float> Singolo(int, std::string_view t) const { return num::TextToSng(t); }
    void Testo(int i, std::string& dest) const { dest = rec[static_cast<size_t>(i)]; }
};
// The Singles an open read lately, by the first 16 bytes of their records:
// a design repeats many texts (each column of the wire table holds the same
// library). Those bytes hold the length and a text of up to 14 bytes, whole,
// with what pads it: bytes alike are the same text whatever the padding.
class NumeriRecenti {
public:
    // The text of record i of `lettura` (`t`) as a Single.
    std::optional<float> Singolo(const recfile::Lettura& lettura, int i, std::string_view t) {
        const char* p = t.size() <= 14 ? lettura.Sedici(i) : nullptr;
        if (!p) return num::TextToSng(t);
        uint64_t a = 0, b = 0;
        std::memcpy(&a, p, 8);
        std::memcpy(&b, p + 8, 8);
        // Each place keeps the last two texts met there, the latest first, so
        // that two texts of a wire column falling on one place both stay.
        Voce* x = &voci_[2 * (((a * 0x9E3779B97F4A7C15u) ^ (b * 0xC2B2AE3D27D4EB4Fu)) >> (64 - kBit))];
        for (int w = 0; w < 2; ++w)
            if (x[w].a == a && x[w].b == b) return x[w].converte ? std::optional<float>(x[w].v) : std::nullopt;
        const std::optional<float> v = num::TextToSng(t);
        x[1] = x[0];
        x[0] = Voce{a, b, v.value_or(0.0f), v.has_value()};
        return v;
    }

private:
    static constexpr int kBit = 10;  // places
    // An unused entry stands for 16 zero bytes: an empty text, which does
    // not convert.
    struct Voce {
        uint64_t a = 0, b = 0;
        float v = 0;
        bool converte = false;
    };
    std::array<Voce, size_t{2} << kBit> voci_{};
};

// ... or the bytes of a file, where they lie.
struct DalFile {
    const recfile::Lettura& lettura;
    NumeriRecenti& recenti;
    std::string_view operator[](int i) const { return lettura.Record(i); }
    std::optional<float> Singolo(int i, std::string_view t) const { return recenti.Singolo(lettura, i, t); }
    void Testo(int i, std::string& dest) const { recfile::Cp1252ToUtf8(lettura.Record(i), dest); }
};

}  // namespace

bool CompilaRecProgetto(ModuleDIC& d, std::string& errore) {
    NelBuffer out{d, {}};
    if (!Impacchetta(d, errore, out)) return false;
    for (int i = REC_DATI; i < NUM_RECORD; ++i) d.Rec[static_cast<size_t>(i)].clear();
    return true;
}

namespace {

// What a refused file that holds no project is told: a library, a text or a
// file of another program, say.
const char* const kNessunProgetto =
    "Il contenuto del file non è quello di un progetto: è forse una libreria di fili o di lamierini, "
    "un testo o il file di un altro programma.";

// What a project whose record `record` (its number in the file) cannot be
// read, or does not convert to its field, is told.
std::string RecordIlleggibile(int record) {
    return "Il progetto è danneggiato: il Record " + std::to_string(record) + " non è leggibile.";
}

// An integer written as such, digits only (blanks around them allowed): a
// wire diameter "0,63" would round to a kind code, but is no kind code.
bool InteroScritto(std::string_view t, int minimo, int massimo) {
    const std::optional<int16_t> v = num::TextToInt(t);
    return v && *v >= minimo && *v <= massimo && t.find_first_not_of(" 0123456789") == std::string_view::npos;
}

// Whether the first `presenti` records begin as a project's, in either layout:
// the number of wires and the kind code where they lie. A project cut short
// or damaged past them is told apart from a file that is none.
template <class Sorgente>
bool InizioDiProgetto(const Sorgente& testi, int presenti) {
    constexpr int kNumElementi = 2, kTipo = 7;  // records of the current layout
    const bool attuale = testi[0] == std::string_view(VERSIONE);
    const int recElementi = attuale ? kNumElementi : RecordPrecedente(kNumElementi);
    const int recTipo = attuale ? kTipo : RecordPrecedente(kTipo);
    return presenti >= recTipo && InteroScritto(testi[recElementi - 1], 0, 99) &&
           InteroScritto(testi[recTipo - 1], tipo::Monofase, tipo::Uscita);
}

// Unpacks the records `testi` into d; see LeggiRecProgetto.
template <class Sorgente>
EsitoLettura Scompatta(ModuleDIC& d, const Sorgente& testi, int recordPresenti) {
    EsitoLettura esito;
    const bool attuale = testi[0] == std::string_view(VERSIONE);
    esito.precedente = !attuale;
    const int necessari = attuale ? REC_DATI : REC_DATI_PRECEDENTE;
    if (recordPresenti < necessari) {
        esito.motivo = InizioDiProgetto(testi, recordPresenti)
                           ? "Il progetto è incompleto: il file ne contiene solo una parte (" +
                                 std::to_string(recordPresenti) + " record su " + std::to_string(necessari) + ")."
                           : kNessunProgetto;
        return esito;
    }

    bool tipoLetto = false, priLetto = false, secLetto = false;
    // The first record the file holds whose text is no value of its field
    // (empty, no number, beyond a Single or an Integer): the file is refused,
    // so no field shows the value the design in use had. Only the fields the
    // earlier layout lacks keep theirs.
    int illeggibile = 0;
    PerOgniRecord([&](const Blocco&, const Campo& c, int rec, int e, int n) {
        const int sorgente = attuale ? rec : RecordPrecedente(rec);
        if (sorgente == 0) return;  // the earlier layout has no such record
        const std::string_view t = testi[sorgente - 1];
        bool letto = true;
        switch (c.forma) {
            case Forma::Single:
                if (auto v = testi.Singolo(sorgente - 1, t)) c.sng(d, e, n) = *v;
                else letto = false;
                break;
            case Forma::SingleIntero:
                if (auto v = num::TextToInt(t)) {
                    c.sng(d, e, n) = *v;
                    if (ECampo(c, "PriUlt")) priLetto = true;
                    if (ECampo(c, "SecUlt")) secLetto = true;
                } else {
                    letto = false;
                }
                break;
            case Forma::Integer:
                if (auto v = num::TextToInt(t)) {
                    c.intero(d, e, n) = *v;
                    if (ECampo(c, "TipoCalcolo")) tipoLetto = true;
                } else {
                    letto = false;
                }
                break;
            case Forma::Boolean:
                if (auto v = num::TextToBool(t)) c.intero(d, e, n) = *v;
                else letto = false;
                break;
            case Forma::String:
                if (ECampo(c, "FileNome")) break;  // keeps the path just opened
                testi.Testo(sorgente - 1, c.testo(d, e, n));
                break;
        }
        if (!letto && illeggibile == 0) illeggibile = sorgente;
    });

    // Without a kind code or winding counts of its own the file is no design.
    if (!tipoLetto || d.TipoCalcolo < tipo::Monofase || d.TipoCalcolo > tipo::Uscita) {
        esito.motivo = "Il file non contiene un tipo di calcolo valido.";
        return esito;
    }
    if (!priLetto || !secLetto || !IndiceValido(d.PriUlt, AVV_MAX - 1) ||
        !IndiceValido(d.SecUlt, AVV_MAX - 1)) {
        esito.motivo = "Il file non contiene un numero di avvolgimenti valido.";
        return esito;
    }
    if (illeggibile != 0) {
        esito.motivo = RecordIlleggibile(illeggibile);
        return esito;
    }

    // Indexes that later address an array: an out-of-range value becomes a safe one.
    auto correggi = [&esito](auto& v, auto sicuro) {
        v = sicuro;
        ++esito.corretti;
    };
    // NumElementi bounds the rows the wire dialog walks (0 .. NumElementi - 2):
    // every library read or computed gives 0 .. 39.
    if (d.NumElementi < 0 || d.NumElementi > FILO_RIGHE - 2) correggi(d.NumElementi, int16_t{0});
    if (d.LamScelto < 0 || d.LamScelto >= LAM_RIGHE) correggi(d.LamScelto, int16_t{0});
    if (d.RochScelto < 0 || d.RochScelto >= ROCH_RIGHE) correggi(d.RochScelto, int16_t{0});
    if (!IndiceValido(d.FiloScelto, FILO_RIGHE - 1)) correggi(d.FiloScelto, 0.0f);
    for (int i = 0; i < AVV_MAX; ++i) {
        if (!IndiceValido(d.PriFiloRiga[i], FILO_RIGHE - 1)) correggi(d.PriFiloRiga[i], 0.0f);
        if (!IndiceValido(d.SecFiloRiga[i], FILO_RIGHE - 1)) correggi(d.SecFiloRiga[i], 0.0f);
        if (d.PriAvvSerCon[i] < 0 || d.PriAvvSerCon[i] > AVV_MAX) {
            correggi(d.PriAvvSerCon[i], int16_t{1});
            d.PriAvvIso[i] = VERO;
            d.PriAvvSer[i] = FALSO;
            d.PriAvvAda[i] = FALSO;
        }
        if (d.SecAvvSerCon[i] < 0 || d.SecAvvSerCon[i] > AVV_MAX) {
            correggi(d.SecAvvSerCon[i], int16_t{1});
            d.SecAvvIso[i] = VERO;
            d.SecAvvSer[i] = FALSO;
            d.SecAvvAda[i] = FALSO;
            d.SecAvvCar[i] = FALSO;
        }
    }
    // Values that no field of the kind's window takes would reach the calculation.
    esito.motivo = ValoreFuoriLimiti(d);
    if (!esito.motivo.empty()) return esito;
    if (attuale) d.Versione = VERSIONE;
    esito.utilizzabile = true;
    return esito;
}

// What every open keeps from one file to the next: the bytes read, the texts
// of the numbers read lately, and the design they are unpacked into before it
// replaces the one in use.
struct Appoggio {
    recfile::Lettura lettura;
    NumeriRecenti recenti;
    std::unique_ptr<ModuleDIC> letto = std::make_unique<ModuleDIC>();
};

Appoggio& AppoggioApertura() {
    thread_local Appoggio a;
    return a;
}

// The image every save composes, and the texts of its numbers, kept from one
// save to the next.
struct Salvataggio {
    recfile::Immagine immagine;
    TestiRecenti recenti;
};

Salvataggio& AppoggioSalvataggio() {
    thread_local Salvataggio s;
    return s;
}

}  // namespace

EsitoLettura LeggiRecProgetto(ModuleDIC& d, int recordPresenti) {
    return Scompatta(d, DalBuffer{d.Rec}, recordPresenti);
}

bool SalvaProgetto(ModuleDIC& design, const std::string& percorso, const std::string& titolo,
                   std::string& errore) {
    std::string vecchioNome = std::move(design.FileNome);
    std::string vecchioTitolo = std::move(design.FileTitolo);
    design.FileNome = percorso;
    design.FileTitolo = titolo;  // record 5 carries the title of the file being written
    // Packed straight into the file's bytes; records after REC_DATI stay empty.
    Salvataggio& s = AppoggioSalvataggio();
    s.immagine.Inizia(LUNG_REC, NUM_RECORD);
    NelFile out{s.immagine, s.recenti};
    bool ok = Impacchetta(design, errore, out);
    if (ok) {
        recfile::Esito w = recfile::Scrivi(percorso, s.immagine.Byte());
        if (!w.ok) {
            // The file layer's message names the file and says why.
            errore = "Impossibile salvare il progetto:\n" + w.messaggio;
            ok = false;
        }
    }
    if (!ok) {
        design.FileNome = std::move(vecchioNome);
        design.FileTitolo = std::move(vecchioTitolo);
    }
    return ok;
}

bool ApriProgetto(const std::string& percorso, ModuleDIC& design, std::string& errore, EsitoLettura* esito,
                  const Verifica& verifica) {
    EsitoLettura locale;
    EsitoLettura& es = esito ? *esito : locale;
    es = EsitoLettura{};
    // Every file that opens but is no usable project of the caller's kind is
    // refused with one plain line naming it, and why on the next.
    const auto rifiuta = [&](std::string motivo) {
        es.utilizzabile = false;
        es.motivo = std::move(motivo);
        errore = "Il File " + percorso.substr(percorso.rfind('/') + 1) + " non è un Progetto valido\n" + es.motivo;
        return false;
    };

    Appoggio& a = AppoggioApertura();
    recfile::Esito r = recfile::Leggi(percorso, LUNG_REC, NUM_RECORD, a.lettura);
    if (!r.ok && r.record == 0) {
        // The file layer's message names the file and says why.
        es.motivo = errore = "Impossibile aprire il progetto:\n" + r.messaggio;
        return false;
    }
    if (!r.ok) {
        // A record whose length runs off the layout: a project damaged there
        // when the records before it, still read, begin as a project's, else
        // no project.
        const bool danneggiato = r.record > 1 && InizioDiProgetto(DalFile{a.lettura, a.recenti}, r.record - 1);
        return rifiuta(danneggiato ? RecordIlleggibile(r.record) : kNessunProgetto);
    }
    if (a.lettura.Byte() == 0) return rifiuta("Il file è vuoto.");

    // The file is unpacked beside the design in use, into a copy of it (the
    // fields the earlier layout lacks keep their values there) without the
    // record buffer, which a project does not touch; a refused
    // file thus changes nothing.
    ModuleDIC& letto = *a.letto;
    static_cast<DatiDesign&>(letto) = design;
    letto.FileNome = percorso;
    es = Scompatta(letto, DalFile{a.lettura, a.recenti}, r.presenti);
    if (!es.utilizzabile) return rifiuta(std::move(es.motivo));
    if (verifica) {
        if (std::string motivo = verifica(letto); !motivo.empty()) return rifiuta(std::move(motivo));
    }
    static_cast<DatiDesign&>(design) = letto;
    return true;
}

}  // namespace progetto
