// Damaged, hostile and awkward files: what reading and saving must survive
// without hanging, without taking a bad file for a good one and without
// losing a file.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <functional>
#include <future>

#include "FakeSinks.h"
#include "LibrerieSupport.h"
#include "Progetti.h"
#include "engine/ModRoutine.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "files/Progetto.h"
#include "files/RecordFile.h"

namespace fs = std::filesystem;
using namespace libtest;

namespace {

const std::string kLibreria = MARLOVINE_TEST_LIBRERIA;

// Runs f within two seconds or fails; a read that blocks is the fault itself.
template <class F>
auto EntroDueSecondi(F f, const std::function<void()>& sblocca = [] {}) {
    auto fut = std::async(std::launch::async, f);
    if (fut.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
        ADD_FAILURE() << "the read did not return";
        sblocca();
    }
    return fut.get();
}


// The file's records with record k (0-based) replaced by `testo`.
void CambiaRecord(const std::string& f, int lung, int n, int k, const std::string& testo) {
    std::vector<std::string> rec(static_cast<size_t>(n));
    ASSERT_TRUE(recfile::Leggi(f, lung, n, rec.data()).ok);
    rec[static_cast<size_t>(k)] = testo;
    ASSERT_TRUE(recfile::Scrivi(f, lung, n, rec.data()).ok);
}

// A new single-phase design with its lists' choices, a named lamination and
// four wires in every column.
std::unique_ptr<ModuleDIC> DesignMonofase() {
    auto d = NuovoProgetto();
    d->Frequenza = 50, d->Induzione = 1.2f, d->Densita = 2.5f, d->LamNome[2] = "EI 48", d->LamC[2] = 16;
    for (int r = 0; r < 4; ++r)
        for (int j = 0; j < FILO_COLONNE; ++j) {
            d->FiloNudo[r][j] = 0.5f + 0.1f * static_cast<float>(r), d->FiloIsolato[r][j] = d->FiloNudo[r][j] + 0.05f;
            d->SezioneFilo[r][j] = d->SpireCM[r][j] = d->CoefKfFilo[r][j] = 1;
            d->ResistenzaFilo[r][j] = d->PesoFilo[r][j] = 1;
        }
    return d;
}

}  // namespace

// ---------------------------------------------------------------- reading

TEST(FileDanneggiati, OnlyARegularFileIsReadAndNeverMoreThanTheRecordsAsked) {
    Cartella tmp;
    const std::string fifo = tmp.File("fifo.lam");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string enorme = tmp.File("enorme.wir");  // 1 GB, sparse: zero bytes
    {
        const int fd = ::open(enorme.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_EQ(::ftruncate(fd, off_t{1} << 30), 0);
        ::close(fd);
    }
    struct Caso { std::string file; bool ok; };
    for (const Caso& c : {Caso{fifo, false}, Caso{"/dev/zero", false}, Caso{tmp.File(""), false},
                          Caso{enorme, true}}) {
        SCOPED_TRACE(c.file);
        Testi rec(300, "prima");
        const recfile::Esito e = EntroDueSecondi(
            [&] { return recfile::Leggi(c.file, 20, 300, rec.data()); },
            [&] { ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK)); });
        EXPECT_TRUE(e.ok == c.ok && e.presenti == (c.ok ? 300 : 0) && rec[299] == (c.ok ? "" : "prima")) << e.messaggio;
    }
}

// Each missing or damaged library is refused with the reader's one message; the
// table, the names and the buffer stay as they were, and no file is created.
TEST(FileDanneggiati, ShortWrongKindOrOutOfRangeLibrariesAreRefused) {
    Cartella tmp;
    const std::string lam = kLibreria + "/LamMantelloStandard.lam";
    const std::string wir = kLibreria + "/LibRame1.wir";
    using Prepara = std::function<void(const std::string&)>;
    struct Caso { const char* nome; Prepara prepara; };
    const Prepara daLam = [&](const std::string& f) { fs::copy_file(lam, f); };
    const Prepara daWir = [&](const std::string& f) { fs::copy_file(wir, f); };
    const auto cambia = [](Prepara base, int lung, int n, int k, const char* t) {
        return [=](const std::string& f) { base(f), CambiaRecord(f, lung, n, k, t); };
    };
    const auto tronca = [](Prepara base, uintmax_t byte) {
        return [=](const std::string& f) { base(f), fs::resize_file(f, byte); };
    };
    const std::vector<Caso> lamierini = {
        {"manca.lam", nullptr},
        {"corto.lam", tronca(daLam, 180 * 40)},                 // the kind caption missing
        {"enorme.lam", cambia(daLam, 40, 200, 12, "1E+38")},    // B of row 1
        {"piccolo.lam", cambia(daLam, 40, 200, 3, "4,9")},      // C of row 0: below the editor's 5 mm
        {"gamba.lam", cambia(daLam, 40, 200, 14, "2,4")},       // D of row 1: below half of that
        {"peso.lam", cambia(daLam, 40, 200, 9, ",")},           // weight of row 0: no number
    };
    for (const Caso& c : lamierini) {
        SCOPED_TRACE(c.nome);
        const std::string f = tmp.File(c.nome);
        if (c.prepara) c.prepara(f);
        auto d = std::make_unique<ModuleDIC>();
        for (int i = 0; i < 18; ++i) d->LamC[i] = d->LamA[i] = d->LamAxB[i] = 7;
        d->LamTipoDescr = "prima", d->NomeLibLam = "prima.lam", d->Rec[0] = "buffer", d->FileLibreria = f;
        FakeMessaggi msg;
        EXPECT_TRUE(!ApriLibreriaLamierini(*d, msg) && fs::exists(f) == (c.prepara != nullptr));  // nothing created
        EXPECT_EQ(msg.boxes, (Scatole{{"Errore di Aperture File Libreria", mb::Exclamation, "Apri Libreria Lamierini"}}));
        for (int i = 0; i < 18; ++i) EXPECT_EQ(d->LamC[i] + d->LamA[i] + d->LamAxB[i], 21.0f) << i;
        EXPECT_EQ((Testi{d->LamTipoDescr, d->NomeLibLam, d->Rec[0]}), (Testi{"prima", "prima.lam", "buffer"}));
    }

    const std::vector<Caso> fili = {
        {"manca.wir", nullptr},
        {"corto.wir", tronca(daWir, 268 * 20)},                  // the specific weight missing
        {"vuota.wir", cambia(daWir, 20, 300, 40, "")},           // enamelled diameter of row 2: no number
        {"enorme.wir", cambia(daWir, 20, 300, 79, "1E+38")},     // resistance of row 0
        {"peso.wir", cambia(daWir, 20, 300, 85, "-1000")},       // weight of row 1
        {"sezione.wir", cambia(daWir, 20, 300, 76, "1E-45")},    // section of row 0
        {"grosso.wir", cambia(daWir, 20, 300, 2, "101")},        // beyond the editor's 100 mm
        {"kf.wir", cambia(daWir, 20, 300, 266, "0,5")},          // Kf below 1
        {"lamierino.wir", daLam},                                // lengths above 18
    };
    for (const Caso& c : fili) {
        SCOPED_TRACE(c.nome);
        const std::string f = tmp.File(c.nome);
        if (c.prepara) c.prepara(f);
        auto d = std::make_unique<ModuleDIC>();
        for (int r = 0; r < 38; ++r) d->FiloNudo[r][3] = d->ResistenzaFilo[r][3] = 2;
        d->NumAvvScelto = 3, d->NumElementi = 39, d->NomeLibRame[3] = d->UltimaLibRame = "prima.wir";
        d->KfRame[0][0] = 1.5f, d->FileLibreria = f;
        FakeMessaggi msg;
        EXPECT_TRUE(!LeggiLibreriaRame(*d, msg) && fs::exists(f) == (c.prepara != nullptr));
        EXPECT_EQ(msg.boxes, (Scatole{{"Errore di Apertura File Libreria Filo Rame\n"
                                       "probabile Libreria Rame vecchia da aggiornare\n" + f,
                                       mb::Exclamation, "Libreria Filo Rame Smaltato"}}));
        for (int r = 0; r < 38; ++r) EXPECT_EQ(d->FiloNudo[r][3] + d->ResistenzaFilo[r][3], 4.0f) << r;
        EXPECT_EQ((Testi{d->NomeLibRame[3], d->UltimaLibRame}), (Testi{"prima.wir", "prima.wir"}));
        Esatti({V(d->NumElementi, 39), V(d->KfRame[0][0], 1.5f)});
    }
}

// ---------------------------------------------------------------- saving

TEST(FileDanneggiati, SaveRefusesAReadOnlyFileAndFollowsASymbolicLink) {
    Cartella tmp;
    const Testi nuovi(300, "nuovo");
    const std::string vecchio(6000, 'v');
    const auto scrivi = [](const std::string& f, const std::string& b) { std::ofstream(f, std::ios::binary) << b; };

    const std::string sola = tmp.File("sola.wir");
    scrivi(sola, vecchio);
    fs::permissions(sola, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const recfile::Esito e = recfile::Scrivi(sola, 20, 300, nuovi.data());
    EXPECT_TRUE(!e.ok && e.messaggio == "Il File " + sola + " è di sola lettura") << e.messaggio;
    EXPECT_EQ(Byte(sola), vecchio);

    // The link stays a link; the file it names takes the new content.
    fs::create_directory(tmp.File("vero"));
    const std::string vero = tmp.File("vero/lib.wir");
    scrivi(vero, vecchio);
    fs::permissions(vero, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string link = tmp.File("link.wir");
    fs::create_symlink("vero/lib.wir", link);
    ASSERT_TRUE(recfile::Scrivi(link, 20, 300, nuovi.data()).ok);
    EXPECT_TRUE(fs::is_symlink(link) && fs::read_symlink(link) == "vero/lib.wir" && fs::file_size(vero) == 6000u);
    EXPECT_EQ(Byte(vero).substr(0, 7), std::string("\x05\x00nuovo", 7));
    EXPECT_EQ(fs::status(vero).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A link to a read-only file is refused like the file itself.
    fs::permissions(vero, fs::perms::owner_read);
    EXPECT_FALSE(recfile::Scrivi(link, 20, 300, nuovi.data()).ok);
}

TEST(FileDanneggiati, TemporaryFilesOfAnInterruptedSaveAreRemovedByTheNext) {
    Cartella tmp;
    const std::string f = tmp.File("prog.tmf");
    // A process that has ended, and one still running (our parent).
    const pid_t figlio = ::fork();
    if (figlio == 0) ::_exit(0);
    ::waitpid(figlio, nullptr, 0);
    const std::string orfano = recfile::NomeTemporaneo(f, figlio, 3);
    const std::string vivo = recfile::NomeTemporaneo(f, ::getppid(), 0);
    const std::string altro = recfile::NomeTemporaneo(tmp.File("altro.tmf"), figlio, 0);
    const std::string estraneo = f + ".tmp_appunti";
    for (const std::string& t : {orfano, vivo, altro, estraneo}) std::ofstream(t) << "x";

    const Testi rec(10, "a");
    ASSERT_TRUE(recfile::Scrivi(f, 100, 10, rec.data()).ok);
    EXPECT_FALSE(fs::exists(orfano));
    for (const std::string& t : {vivo, altro, estraneo}) EXPECT_TRUE(fs::exists(t)) << t;
    EXPECT_EQ(fs::file_size(f), 1000u);
    // The project, the live writer's, the other file's and the unrelated one.
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.File("")), fs::directory_iterator()), 4);
}

// ---------------------------------------------------------------- projects

// A value no field, list or dialog of the window takes is refused with the
// window's words for it; the design in use stays as it was.
TEST(FileDanneggiati, ProjectValuesOutsideTheWindowsLimitsAreRefused) {
    Cartella tmp;
    const std::string buono = tmp.File("buono.tmf");
    std::string err;
    ASSERT_TRUE(progetto::SalvaProgetto(*DesignMonofase(), buono, "buono.tmf", err)) << err;
    struct Caso {
        int record;
        const char* testo;
        const char* motivo;  // empty: the record does not convert and the open succeeds
    };
    const Caso casi[] = {
        {8272 + 33 * 1 + 7, "-1000", "Potenza Avvolgimento Secondario Fuori Limiti (Secondario 2: -1000)"},
        {8272 + 33 * 11 + 4, "100000", "Corrente Avvolgimento Secondario Fuori Limiti (Secondario 12: 100000)"},
        {8966 + 7, "1E-45", "Densità di Corrente Fuori Limiti (1,401298E-45)"},
        {8966 + 4, "400", "Frequenza Fuori Limiti (400)"},
        {7641 + 1, "1E+38", "Tensione Avvolgimento Primario Fuori Limiti (Primario 1: 1E+38)"},
        {8966 + 11, "1E+38", "Induzione Fuori Limiti (1E+38)"},
        {7634, "1E+38", "Spessore Isolamento Fuori Limiti (1E+38)"},
        {7640, "0", "Valore del Coefficiente 'Ki' Fuori Limiti (0)"},
        {7287 + 12 * 2 + 3, "1E+38", "Misura 'C' Fuori Limiti (Lamierino EI 48: 1E+38)"},
        {7287 + 12 * 15 + 3, "1E-37", "Misura 'C' Fuori Limiti (Lamierino 16: 1E-37)"},
        {35 + 7 * (0 + 41 * 14) + 5, "1E+38", "Filo Rame Fuori Limiti (filo 1 della libreria del Secondario 3: 0,5)"},
        {35 + 7 * (3 + 41 * 0) + 6, "-1000", "Filo Rame Fuori Limiti (filo 4 della libreria del Primario 1: 0,8)"},
        {35 + 7 * (38 + 41 * 0) + 3, "1E-45", "Filo Rame Fuori Limiti (filo personalizzato del Primario 1: 1,401298E-45)"},
        {8272 + 7, "NaN", ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.record);
        const std::string f = tmp.File("caso.tmf");
        fs::copy_file(buono, f, fs::copy_options::overwrite_existing);
        CambiaRecord(f, 100, 9999, c.record - 1, c.testo);
        auto d = std::make_unique<ModuleDIC>();
        d->SecPot[0] = 77, d->FileNome = "/mio.tmf";
        std::string e;
        const bool aperto = progetto::ApriProgetto(f, *d, e);
        EXPECT_EQ(aperto, *c.motivo == '\0');
        // A text that does not convert keeps its field; a refused file changes nothing.
        EXPECT_EQ(d->SecPot[0], 77.0f);
        if (!aperto) {
            EXPECT_EQ(e, "Il file " + f + " non è un progetto utilizzabile.\n" + c.motivo);
            EXPECT_TRUE(d->TipoCalcolo == 0 && d->FileNome == "/mio.tmf");
        }
    }
}

// ---------------------------------------------------------------- the calculation

// Whatever reaches it, the calculation divides only by normal positive numbers:
// a density, flux or coefficient of 0, 1E-45 or below 0 gives no wire and
// leaves the stack and the power range as they were, never a huge or infinite one.
TEST(FileDanneggiati, TheCalculationNeverDividesByAValueThatIsNotNormalPositive) {
    for (float cattivo : {0.0f, 1e-45f, -2.0f}) {
        SCOPED_TRACE(cattivo);
        auto d = DesignMonofase();
        d->PriAmp[0] = 1, d->SecAmp[0] = 2, d->Densita = cattivo;
        CalcolaDiametroFilo(*d);
        Esatti({V(d->PriFiloNudo[0], 0), V(d->SecFiloNudo[0], 0)});

        d->Densita = 2.5f, d->Induzione = cattivo, d->SecPotTot = 100, d->LamSP = d->LamSE = 7;
        CalcolaPaccoLamellare(*d);
        EXPECT_EQ(d->LamSP + d->LamSE, 14.0f);

        d->PriVolt[0] = cattivo;
        CalcolaPotenzeAlim(*d);
        EXPECT_EQ(d->PriAmp[0], 0.0f);

        d->CoefKMin = cattivo, d->CoefKMax = 1.6f, d->PotMin = d->PotMax = 5;
        IntervalloPotenza(*d);
        EXPECT_EQ(d->PotMin + d->PotMax, 10.0f);
    }
}
