// Damaged, hostile and awkward files: what reading and saving must survive
// without hanging, without taking a bad file for a good one and without
// losing a file.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <future>

#include "FakeSinks.h"
#include "LibrerieSupport.h"
#include "Progetti.h"
#include "engine/ModRoutine.h"
#include "engine/Mod_Calcolo.h"
#include "files/LibLam.h"
#include "files/LibRame.h"
#include "files/Progetto.h"
#include "files/RecordFile.h"
#include "platform/core/Avvio.h"
#include "platform/core/Sostituzione.h"

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
    d->Frequenza = 50;
    d->Induzione = 1.2f;
    d->Densita = 2.5f;
    d->LamNome[2] = "EI 48";
    d->LamC[2] = 16;
    for (int r = 0; r < 4; ++r)
        for (int j = 0; j < FILO_COLONNE; ++j) {
            d->FiloNudo[r][j] = 0.5f + 0.1f * static_cast<float>(r);
            d->FiloIsolato[r][j] = d->FiloNudo[r][j] + 0.05f;
            d->SezioneFilo[r][j] = d->SpireCM[r][j] = d->CoefKfFilo[r][j] = 1;
            d->ResistenzaFilo[r][j] = d->PesoFilo[r][j] = 1;
        }
    return d;
}

// The single-phase design as each kind's window could have saved it: the
// three-phase line values and letters, the output transformer's impedances
// and anode current, an autotransformer's own power.
std::unique_ptr<ModuleDIC> DesignDelTipo(int16_t tipo) {
    auto d = DesignMonofase();
    d->TipoCalcolo = tipo;
    d->PotPass = 100;
    for (int i = 0; i < 9; ++i) {
        d->PriVoltLin[i] = 380;
        d->SecVoltLin[i] = 220;
        d->SecAmpLin[i] = 2.62f;
        d->SecPotLin[i] = 1000;
        d->PriTrif[i] = "Y";
        d->SecTrif[i] = "z";
    }
    d->PriImp[16] = 6250;
    d->PriAmp[16] = 0.04f;
    d->SecImp[16] = 8;
    d->SecImp[17] = 7;
    d->SecImp[18] = 6;
    return d;
}

// A record of a saved design changed (records count from 1), in the design of
// kind `tipo`, and what opening it then says: the reason the file is refused,
// or empty when it opens. Without a kind, the one design of the table.
struct Modifica {
    Modifica(int rec, const char* t, const char* m) : Modifica(1, rec, t, m) {}
    Modifica(int16_t k, int rec, const char* t, const char* m) : tipo(k), record(rec), testo(t), motivo(m) {}
    int16_t tipo;
    int record;
    const char* testo;
    const char* motivo;
};
// What a row also checks on a design that opened.
using DopoApertura = std::function<void(const Modifica&, ModuleDIC&)>;

// Each change made in turn to the design `design` gives for the row's kind
// (saved once per kind) and opened over a design in use. A refused file names
// itself and the reason, and leaves the design in use as it was.
void VerificaModifiche(const std::function<std::unique_ptr<ModuleDIC>(int16_t)>& design,
                       std::initializer_list<Modifica> casi, const DopoApertura& dopo = {}) {
    Cartella tmp;
    const std::string caso = tmp.File("caso.tmf");
    for (const Modifica& c : casi) {
        SCOPED_TRACE(std::to_string(c.tipo) + " " + std::to_string(c.record) + " " + c.testo);
        const std::string buono = tmp.File("buono" + std::to_string(c.tipo) + ".tmf");
        std::string e;
        if (!fs::exists(buono)) {
            ASSERT_TRUE(progetto::SalvaProgetto(*design(c.tipo), buono, "buono", e)) << e;
        }
        fs::copy_file(buono, caso, fs::copy_options::overwrite_existing);
        CambiaRecord(caso, progetto::LUNG_REC, progetto::NUM_RECORD, c.record - 1, c.testo);
        auto d = std::make_unique<ModuleDIC>();
        d->SecPot[0] = 77;
        d->FileNome = "/mio.tmf";
        if (progetto::ApriProgetto(caso, *d, e)) {
            EXPECT_STREQ(c.motivo, "");
            if (dopo) dopo(c, *d);
        } else {
            EXPECT_EQ(e, std::string("Il File caso.tmf non è un Progetto valido\n") + c.motivo);
            EXPECT_TRUE(d->TipoCalcolo == 0 && d->SecPot[0] == 77.0f && d->FileNome == "/mio.tmf");
        }
    }
}
// The same for a table of one design.
void VerificaModifiche(const std::function<std::unique_ptr<ModuleDIC>()>& design,
                       std::initializer_list<Modifica> casi, const DopoApertura& dopo = {}) {
    VerificaModifiche([&](int16_t) { return design(); }, casi, dopo);
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
        return [=](const std::string& f) {
            base(f);
            CambiaRecord(f, lung, n, k, t);
        };
    };
    const auto tronca = [](Prepara base, uintmax_t byte) {
        return [=](const std::string& f) {
            base(f);
            fs::resize_file(f, byte);
        };
    };
    const std::vector<Caso> lamierini = {
        {"manca.lam", nullptr},
        {"corto.lam", tronca(daLam, 180 * 40)},                 // the kind caption missing
        {"enorme.lam", cambia(daLam, 40, 200, 12, "1E+38")},    // B of row 1
        {"piccolo.lam", cambia(daLam, 40, 200, 3, "2,9")},      // C of row 0: below the editor's 3 mm
        {"gamba.lam", cambia(daLam, 40, 200, 14, "-1,4")},      // D of row 1: no cell writes a minus
        {"peso.lam", cambia(daLam, 40, 200, 9, ",")},           // weight of row 0: no number
        // No lamination at all: every record an empty text.
        {"zeri.lam", [](const std::string& f) { std::ofstream(f, std::ios::binary) << std::string(8000, '\0'); }},
        {"sparsa.lam", [](const std::string& f) {
             std::ofstream(f).close();
             fs::resize_file(f, uintmax_t{1} << 30);
         }},
    };
    for (const Caso& c : lamierini) {
        SCOPED_TRACE(c.nome);
        const std::string f = tmp.File(c.nome);
        if (c.prepara) c.prepara(f);
        auto d = std::make_unique<ModuleDIC>();
        for (int i = 0; i < 18; ++i) d->LamC[i] = d->LamA[i] = d->LamAxB[i] = 7;
        d->LamTipoDescr = "prima";
        d->NomeLibLam = "prima.lam";
        d->Rec[0] = "buffer";
        d->FileLibreria = f;
        FakeMessaggi msg;
        EXPECT_TRUE(!ApriLibreriaLamierini(*d, msg) && fs::exists(f) == (c.prepara != nullptr));  // nothing created
        // A file that is not there says so; one that is, is refused for what it holds.
        const std::string motivo = c.prepara ? "" : "\nMotivo: il file o la cartella non esiste";
        EXPECT_EQ(msg.boxes, (Scatole{{"Errore di Aperture File Libreria" + motivo, mb::Exclamation, "Apri Libreria Lamierini"}}));
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
        {"un_filo.wir", cambia(daWir, 20, 300, 1, "0")},         // the editor computes two wires at least
        {"nessun_filo.wir", cambia(daWir, 20, 300, 0, "0")},
    };
    for (const Caso& c : fili) {
        SCOPED_TRACE(c.nome);
        const std::string f = tmp.File(c.nome);
        if (c.prepara) c.prepara(f);
        auto d = std::make_unique<ModuleDIC>();
        for (int r = 0; r < 38; ++r) d->FiloNudo[r][3] = d->ResistenzaFilo[r][3] = 2;
        d->NumAvvScelto = 3;
        d->NumElementi = 39;
        d->NomeLibRame[3] = d->UltimaLibRame = "prima.wir";
        d->KfRame[0][0] = 1.5f;
        d->FileLibreria = f;
        FakeMessaggi msg;
        EXPECT_TRUE(!LeggiLibreriaRame(*d, msg) && fs::exists(f) == (c.prepara != nullptr));
        EXPECT_EQ(msg.boxes, (Scatole{{"Errore di Apertura File Libreria Filo Rame\n"
                                       "probabile Libreria Rame vecchia da aggiornare\n" + f +
                                           (c.prepara ? "" : "\nMotivo: il file o la cartella non esiste"),
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
    // Left by a save that never finished; one a save in progress holds
    // (locked, as a save holds its own); one of another file; and files of
    // similar names that no save makes.
    const std::string orfano = sostituzione::NomeTemporaneo(f, 3);
    const std::string vivo = sostituzione::NomeTemporaneo(f, 0);
    const std::string altro = sostituzione::NomeTemporaneo(tmp.File("altro.tmf"), 1);
    const std::string estraneo = f + ".tmp_appunti", oltre = f + ".tmp" + std::to_string(sostituzione::POSTI_TEMPORANEI);
    for (const std::string& t : {orfano, vivo, altro, estraneo, oltre}) std::ofstream(t) << "x";
    const int bloccato = ::open(vivo.c_str(), O_RDONLY);
    ASSERT_TRUE(bloccato >= 0 && ::flock(bloccato, LOCK_EX) == 0);

    const Testi rec(10, "a");
    ASSERT_TRUE(recfile::Scrivi(f, 100, 10, rec.data()).ok);
    ::close(bloccato);
    EXPECT_FALSE(fs::exists(orfano));
    for (const std::string& t : {vivo, altro, estraneo, oltre}) EXPECT_TRUE(fs::exists(t)) << t;
    EXPECT_EQ(Byte(vivo), "x");
    EXPECT_EQ(fs::file_size(f), 1000u);
    // The project, the live writer's, the other file's and the unrelated ones.
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.File("")), fs::directory_iterator()), 5);

    // Once its save is over (the lock gone), the next save removes it too.
    ASSERT_TRUE(recfile::Scrivi(f, 100, 10, rec.data()).ok);
    EXPECT_FALSE(fs::exists(vivo));
}

// A project save the file itself refuses names the file once, in the words
// of the cause, and says why.
TEST(FileDanneggiati, AFailedProjectSaveNamesTheFileOnce) {
    Cartella tmp;
    const std::string sola = tmp.File("sola.tmf"), cartella = tmp.File("cartella.tmf"), manca = tmp.File("manca/x.tmf");
    std::ofstream(sola) << "p";
    fs::permissions(sola, fs::perms::owner_read);
    fs::create_directory(cartella);
    const std::pair<std::string, std::string> casi[] = {
        {sola, "Il File " + sola + " è di sola lettura"},
        {cartella, "\"" + cartella + "\" è una cartella, non un file"},
        {manca, "Impossibile scrivere nella cartella del file \"" + manca + "\": il file o la cartella non esiste"},
    };
    for (const auto& [f, motivo] : casi) {
        std::string e;
        EXPECT_FALSE(progetto::SalvaProgetto(*DesignMonofase(), f, "x.tmf", e));
        EXPECT_EQ(e, "Impossibile salvare il progetto:\n" + motivo);
    }
}

TEST(FileDanneggiati, AFileSizeLimitFailsTheSaveAndTheProgramGoesOn) {
    // A process set up by the program's start function (the shell test sees
    // the program as built run it), under a file-size limit of 55 blocks of
    // 1024 bytes (a project is 999 900): it does not ignore the signal
    // itself. Its exit code tells what it saw; a signal would have killed it.
    Cartella tmp;
    const std::string f = tmp.File("x.tmf"), prima(6000, 'p');
    std::ofstream(f, std::ios::binary) << prima;
    auto d = DesignMonofase();
    d->FileNome = "prima.tmf";
    enum : int { Fallito = 0, NessunLimite, Salvato, AltroMessaggio, NomeCambiato };
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        struct rlimit limite {};
        ::getrlimit(RLIMIT_FSIZE, &limite);
        limite.rlim_cur = 55 * 1024;
        if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) ::_exit(NessunLimite);
        avvio::PreparaProcesso();
        std::string errore;
        if (progetto::SalvaProgetto(*d, f, "x.tmf", errore)) ::_exit(Salvato);
        // The file named once, and the reason.
        if (errore != "Impossibile salvare il progetto:\nErrore di scrittura del file \"" + f + "\": file troppo grande") {
            std::fprintf(stderr, "%s\n", errore.c_str());
            ::_exit(AltroMessaggio);
        }
        ::_exit(d->FileNome == "prima.tmf" ? Fallito : NomeCambiato);
    }
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFEXITED(stato)) << "killed by signal " << (WIFSIGNALED(stato) ? WTERMSIG(stato) : 0);
    EXPECT_EQ(WEXITSTATUS(stato), Fallito);
    // The earlier file as it was, and no temporary file beside it.
    EXPECT_EQ(Byte(f), prima);
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.File("")), fs::directory_iterator()), 1);
}

// ---------------------------------------------------------------- projects

// A value no field, list or dialog of the window takes is refused with the
// window's words for it; the design in use stays as it was.
TEST(FileDanneggiati, ProjectValuesOutsideTheWindowsLimitsAreRefused) {
    VerificaModifiche(DesignMonofase, {
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
        // A record the file holds that is no value of its field.
        {8272 + 7, "NaN", "Il progetto è danneggiato: il Record 8279 non è leggibile."},
        {7642, "abc", "Il progetto è danneggiato: il Record 7642 non è leggibile."},
        {7642, "1E+300", "Il progetto è danneggiato: il Record 7642 non è leggibile."},
        {7642, "", "Il progetto è danneggiato: il Record 7642 non è leggibile."},
        {7641 + 20, "", "Il progetto è danneggiato: il Record 7661 non è leggibile."},  // a flag
        {7287 + 10, "", ""},  // a lamination's name: a text, empty or not
    });
}

// Each kind is held to its own window: the ranges of its fields and lists,
// its connection letters, an autotransformer's own power. Limits worked out
// from the fields: a three-phase line value up to 3√3 times its phase field's
// 9999 (51956,3); an autotransformer's own power up to nine secondaries of
// 999 A at 9999 V (8,99E+07); the output transformer's first load from 2 ohm,
// the two it derives from 0; its lists 5 to 200 Hz and 0,1 to 2 T.
TEST(FileDanneggiati, ProjectsOfEveryKindAreHeldToTheirOwnWindow) {
    const int secPot0 = 8272 + 7, priVolt0 = 7641 + 1, densita = 8966 + 7, potPass = 8990;
    VerificaModifiche(DesignDelTipo, {
        {2, secPot0, "-1000", "Potenza Avvolgimento Secondario Fuori Limiti (Secondario 1: -1000)"},
        {2, priVolt0, "1E+38", "Tensione Avvolgimento Primario Fuori Limiti (Primario 1: 1E+38)"},
        {2, densita, "1E-45", "Densità di Corrente Fuori Limiti (1,401298E-45)"},
        {2, potPass, "9E+07", "Potenza Propria AutoTras. Fuori Limiti (9E+07)"},
        {2, potPass, "8,9E+07", ""},
        {2, 8272 + 33 * 9 + 7, "-1000", ""},  // the tenth secondary: no field of this window
        {3, secPot0, "-1000", "Potenza Avvolgimento Secondario Fuori Limiti (Secondario 1: -1000)"},
        {3, priVolt0, "1E+38", "Tensione Avvolgimento Primario Fuori Limiti (Primario 1: 1E+38)"},
        {3, densita, "1E-45", "Densità di Corrente Fuori Limiti (1,401298E-45)"},
        {3, 8272 + 3, "51957", "Tensione Avvolgimento Secondario Fuori Limiti (Secondario 1: 51957)"},
        {3, 8272 + 3, "51956", ""},
        {3, 8272 + 27, "b", "Non è Stato Specificato il Tipo di Collegamento (Secondario 1: b)"},
        {3, 7641 + 30 + 24, "d", "Non è Stato Specificato il Tipo di Collegamento (Primario 2: d)"},
        {3, 7641 + 60 + 24, "d", ""},  // the third primary is not in use
        {4, secPot0, "-1000", "Potenza Avvolgimento Secondario Fuori Limiti (Secondario 1: -1000)"},
        {4, priVolt0, "1E+38", "Tensione Avvolgimento Primario Fuori Limiti (Primario 1: 1E+38)"},
        {4, densita, "1E-45", "Densità di Corrente Fuori Limiti (1,401298E-45)"},
        {4, potPass, "-1", "Potenza Propria AutoTras. Fuori Limiti (-1)"},
        {5, 7641 + 30 * 16, "-1000", "Impedenza Avvolgimento Primario Fuori Limiti (-1000)"},
        {5, 7641 + 30 * 16 + 3, "1E+38", "Corrente Avvolgimento Primario Fuori Limiti (1E+38)"},
        {5, densita, "1E-45", "Densità di Corrente Fuori Limiti (1,401298E-45)"},
        {5, 8272 + 33 * 16, "1,9", "Impedenza Avvolgimento Secondario Fuori Limiti (Secondario 1: 1,9)"},
        {5, 8272 + 33 * 17, "1,9", ""},
        {5, 8966 + 4, "-50", "Frequenza Fuori Limiti (-50)"},
        {5, 8966 + 4, "200", ""},
        {5, 8966 + 11, "2,05", "Induzione Fuori Limiti (2,05)"},
        {5, secPot0, "-1000", "Potenza Avvolgimento Secondario Fuori Limiti (Secondario 1: -1000)"},
        {5, priVolt0, "1E+38", "Tensione Avvolgimento Primario Fuori Limiti (Primario 1: 1E+38)"},
        {5, 8272 + 33 * 17 + 7, "1E+20", ""},  // the second load at the largest power worked out
        {5, 8272 + 33 * 17 + 7, "1,1E+20", "Potenza Avvolgimento Secondario Fuori Limiti (Secondario 2: 1,1E+20)"},
        {2, 8966 + 1, "1E+31", "Coefficiente di Dimensionamento K Fuori Limiti (1E+31)"},
        {4, 8966 + 1, "1E+30", ""},
        {5, 8966 + 1, "1E+31", ""},  // no coefficient in this window
    });
}

// The stack and the coefficient limits the calculation takes as they stand.
TEST(FileDanneggiati, StoredStackAndCoefficientLimitsAreChecked) {
    VerificaModifiche(DesignMonofase, {
        {8966 + 3, "8,7E-30", "Coefficiente di Dimensionamento K Fuori Limiti (8,7E-30)"},
        {8966 + 3, "1,7", "Coefficiente di Dimensionamento K Fuori Limiti (1,7)"},
        {8966 + 3, "1,6", ""},
        {8966 + 2, "0,5", "Coefficiente di Dimensionamento K Fuori Limiti (0,5)"},
        {8966 + 2, "0,6", ""},
        {7540, "-1E+38", "Spessore Pacco Fuori Limiti (-1E+38)"},
        {7540, "1,1E+07", "Spessore Pacco Fuori Limiti (1,1E+07)"},
        {7540, "1E+07", ""},
        {7539, "3,4E+38", "Peso Pacco Fuori Limiti (3,4E+38)"},
        {7541, "1E+38", "Sezione Ferro Fuori Limiti (1E+38)"},
        {7542, "0,09", "Cifra di Perdita Lamierino Fuori Limiti (0,09)"},
        // The computed lamination (C up to 500000 mm, 10 mm of it up to
        // 1,5E+10 cm² x 8,5 / 1110 = 1,15E+08 kg, down to the -1E-03 kg a
        // project file may hold) at the thickest stack:
        // 1E+07 x 500000 / 111 = 4,5E+10 cm², 1,15E+14 kg.
        {7541, "4,5E+10", ""},
        {7541, "4,6E+10", "Sezione Ferro Fuori Limiti (4,6E+10)"},
        {7539, "1,1E+14", ""},
        {7539, "1,2E+14", "Peso Pacco Fuori Limiti (1,2E+14)"},
        {7539, "-1000", ""},
        // A stored stack fitted to an inner depth of 0, -1 mm:
        // -1 x 1,15E+08 / 10 kg, -1 x 500000 / 111 cm².
        {7540, "-1", ""},
        {7540, "-1,01", "Spessore Pacco Fuori Limiti (-1,01)"},
        {7539, "-1,1E+07", ""},
        {7539, "-1,2E+07", "Peso Pacco Fuori Limiti (-1,2E+07)"},
        {7541, "-4504", ""},
        {7541, "-4505", "Sezione Ferro Fuori Limiti (-4505)"},
    });
}

// Row 18 of the laminations and the custom wire hold what the user typed in
// a dialog or what the calculation computed for itself, whose ranges are its
// own: a lamination of C from 1 to 500000 mm in a kind's proportions (A 2,5 to
// 4,5 C, D F G from C / 2), an area up to 1,5E+10 cm², 10 mm of it from
// -1E-03 kg; a wire section up to 1E+11 A over 0,5 A/mm², 2E+11 mm², at
// 8,9 g/cm³. A library's rows keep the editor's ranges.
TEST(FileDanneggiati, RowsTheCalculationComputesKeepTheirOwnRanges) {
    const int r = 18;
    const auto calcolato = [] {
        // The lamination sized for twelve secondaries of 999 A at 9999 V.
        auto d = DesignMonofase();
        d->LamNome[r] = "Calcolato";
        d->LamC[r] = 2285;
        d->LamA[r] = 5712.5f;
        d->LamB[r] = 6855;
        d->LamD[r] = d->LamF[r] = d->LamG[r] = 1142.5f;
        d->LamE[r] = 3427.5f;
        d->LamAxB[r] = 391702.8f;
        d->LamPeso[r] = 2399.7f;
        // The custom wire's diameters.
        d->FiloNudo[38][0] = 1;
        d->FiloIsolato[38][0] = 1.08f;
        return d;
    };
    const int lam = 7287 + 12 * r, lam17 = 7287 + 12 * 17;  // AxB, A .. G, window, weight
    const int filo = 35 + 7 * 38;                           // bare, enamelled, section .. g/m
    VerificaModifiche(calcolato, {
        {lam + 3, "500000", ""},
        {lam + 3, "510000", "Misura 'C' Fuori Limiti (Lamierino Calcolato: 510000)"},
        {lam + 1, "2,5", ""},
        {lam + 1, "2,4", "Misura 'A' Fuori Limiti (Lamierino Calcolato: 2,4)"},
        {lam + 4, "0,5", ""},
        {lam + 9, "-0,001", ""},
        {lam + 9, "-0,002", "Peso Lamierino Fuori Limiti (Lamierino Calcolato: -0,002)"},
        {lam, "1,5E+10", ""},
        {lam, "1,6E+10", "Area Lamierino Fuori Limiti (Lamierino Calcolato: 1,6E+10)"},
        {lam + 10, "Mio", ""},  // whatever its name
        {lam17 + 3, "10000", "Misura 'C' Fuori Limiti (Lamierino 18: 10000)"},
        // The wire dialog's: any positive figure, and diameters from which
        // it computes a finite wire again at its boxes' ends (Kf ",0001",
        // "999999" ohm mm²/m, "99999" g/cm³). The calculation's enamelled
        // 578,8703 mm with its comma deleted; a bare diameter whose grams per
        // metre, 7,85E+33 mm² by 99999, no Single holds; one whose section
        // is no divisor; an enamelled one giving 1E+39 turns per cm.
        {filo + 1, "5788703", ""},
        {filo, "5046261", ""},
        {filo, "6E+16", ""},
        {filo, "1E+17", "Filo Rame Fuori Limiti (filo personalizzato del Primario 1: 1E+17)"},
        {filo, "1E-22", "Filo Rame Fuori Limiti (filo personalizzato del Primario 1: 1E-22)"},
        {filo + 1, "1E-33", ""},
        {filo + 1, "1E-34", "Filo Rame Fuori Limiti (filo personalizzato del Primario 1: 1E-34)"},
        {filo + 2, "2,2E+13", ""},
        {filo + 6, "2,2E+18", ""},
        {filo + 2, "7,8E-09", ""},
        {filo + 6, "7,8E-13", ""},
        {filo + 3, "1,9E-11", ""},
        {filo + 3, "1E-45", "Filo Rame Fuori Limiti (filo personalizzato del Primario 1: 1,401298E-45)"},
        {filo + 5, "-1", "Filo Rame Fuori Limiti (filo personalizzato del Primario 1: -1)"},
        {7210, "99999", ""},  // Kf
        {7210, "100000", "Filo Rame Fuori Limiti (filo personalizzato del Primario 1: 100000)"},
    });
}

// The wire choice walks every library row, past a zero diameter, and a
// winding's stored row may name any row of the table.
TEST(FileDanneggiati, EveryWireRowTheCalculationReachesIsChecked) {
    // Seven records from 35 + 7 x (row + 41 x column): bare, enamelled, section,
    // turns per cm, Kf, ohm/m, g/m. The design has four wires in every column.
    const auto rec = [](int r, int j, int k) { return 35 + 7 * (r + 41 * j) + k; };
    VerificaModifiche(DesignMonofase, {
        {rec(20, 0, 0), "1,97E+24", "Filo Rame Fuori Limiti (filo 21 della libreria del Primario 1: 1,97E+24)"},
        {rec(7, 2, 5), "-1", "Filo Rame Fuori Limiti (filo 8 della libreria del Primario 3: -1)"},
        {rec(40, 14, 6), "1E+38", "Filo Rame Fuori Limiti (filo 41 della tabella del Secondario 3: 1E+38)"},
        {rec(39, 0, 0), "101", "Filo Rame Fuori Limiti (filo 40 della tabella del Primario 1: 101)"},
        {rec(9, 0, 3), "12", ""},  // a value the calculation can use, in a row without a wire
        // A section the current is divided by: none of the editor's is below
        // 7,85E-07 mm² (0,001 mm), nor the wire dialog's for the custom wire.
        {rec(2, 5, 2), "1E-30", "Filo Rame Fuori Limiti (filo 3 della libreria del Primario 6: 0,7)"},
        {rec(38, 5, 2), "1E-30", ""},  // no winding divides by it
        {rec(38, 5, 2), "1E-45", "Filo Rame Fuori Limiti (filo personalizzato del Primario 6: 1,401298E-45)"},
    });
}

// What a wire, insulation, placement or bobbin dialog rebuilds the windings
// from after an open: the turns and wire currents of the twelve windings a
// side can show, both bobbin rows, and the section and turns per cm of any
// wire row a winding may name. Limits: turns whatever the windings build
// finite figures from, a current from 0 to 1E+11 A, a bobbin measure 0 or
// from 0,001 mm to the stack's 1E+07 mm plus 1 (the depth M from -2 mm, F - 2
// of a window of nothing), a groove from -2 mm by that height to E by F of
// the largest computed lamination (2,5 x 500000 by 500000 = 6,25E+11 mm²), a
// section or turns per cm 0 or from 1E-07. A file that opens recalculates to finite figures in its
// own kind.
TEST(FileDanneggiati, StoredResultsADialogRecalculatesFromAreChecked) {
    const auto pri = [](int i, int k) { return 7641 + 30 * i + k; };  // 3 current, 7 turns
    const auto sec = [](int i, int k) { return 8272 + 33 * i + k; };  // 6 wire current, 9 turns
    const auto roch = [](int r, int k) { return 7551 + 10 * r + k; };  // C Sp M H I L, grooves H I L
    const auto filo = [](int r, int j, int k) { return 35 + 7 * (r + 41 * j) + k; };
    const auto design = [](int16_t tipo) {
        auto d = DesignDelTipo(tipo);
        // A bobbin on both rows, its winding on it, and figures of a calculation.
        for (int r = 0; r < 2; ++r) {
            d->RochC[r] = 17;
            d->RochSp[r] = 36;
            d->RochM[r] = 12;
            d->RochH[r] = 30;
            d->RochI[r] = d->RochL[r] = 14.5f;
            d->RochGolaH[r] = 360;
            d->RochGolaI[r] = d->RochGolaL[r] = 174;
        }
        d->PriSpire[0] = 500;
        d->SecSpire[0] = d->SecSpire[1] = 30;
        d->PriAmp[0] = 0.5f;
        d->SecAmpFilo[0] = d->SecAmpFilo[1] = 2;
        d->SecFiloRiga[1] = 39;
        d->SezioneFilo[39][13] = 1e-7f;
        d->PesoFilo[39][13] = 1e7f;
        return d;
    };
    const auto ricalcolo = [](const Modifica& c, ModuleDIC& d) {
        FakeMessaggi msg;
        RicalcoloAvvolgimenti(d, c.tipo == 3 || c.tipo == 4, msg);
        for (const AvvArr* a : {&d.PriLung, &d.PriPeso, &d.PriPotPer, &d.PriIng, &d.PriRes, &d.PriIso,
                                &d.SecLung, &d.SecPeso, &d.SecPotPer, &d.SecIng, &d.SecRes, &d.SecIso})
            for (float v : *a) EXPECT_TRUE(std::isfinite(v)) << v;
        for (float v : {d.PotTotPers, d.IngGolaH1, d.IngGolaI1, d.IngGolaL1}) EXPECT_TRUE(std::isfinite(v)) << v;
    };
    VerificaModifiche(design, {
        {1, sec(0, 6), "-1E+38", "Corrente Avvolgimento Secondario Fuori Limiti (Secondario 1: -1E+38)"},
        {1, roch(0, 0), "1E+38", "La Misura di 'Cr' Fuori Limiti (Rocchetto Calcolato: 1E+38)"},
        {3, sec(0, 6), "-1E+38", "Corrente Avvolgimento Secondario Fuori Limiti (Secondario 1: -1E+38)"},
        {5, roch(0, 0), "1E+38", "La Misura di 'Cr' Fuori Limiti (Rocchetto Calcolato: 1E+38)"},
        {2, pri(0, 7), "1E+38", ""},  // 1E+37 m of wire: finite
        {2, pri(0, 7), "3,4E+38", "Spire Avvolgimento Primario Fuori Limiti (Primario 1: 3,4E+38)"},
        {1, pri(0, 7), "-1E+12", ""},  // a tap in series needing fewer turns than its partner
        {4, pri(0, 7), "1E+12", ""},
        {1, sec(11, 9), "1,1E+12", ""},
        {1, sec(11, 9), "-3,4E+38", "Spire Avvolgimento Secondario Fuori Limiti (Secondario 12: -3,4E+38)"},
        {1, pri(0, 3), "1E+11", ""},
        {5, sec(0, 6), "1E+11", ""},
        {1, pri(5, 3), "-0,001", "Corrente Avvolgimento Primario Fuori Limiti (Primario 6: -0,001)"},
        {1, roch(1, 1), "10000001", ""},
        {1, roch(1, 1), "1,1E+07", "La Misura di 'Spr' Fuori Limiti (Rocchetto Personalizzato: 1,1E+07)"},
        {1, roch(0, 3), "1E-30", "La Misura di 'H' Fuori Limiti (Rocchetto Calcolato: 1E-30)"},
        {1, roch(0, 3), "0,001", ""},
        {3, roch(0, 7), "6,25E+11", ""},
        {1, roch(0, 7), "6,26E+11", "La Misura di 'Gola I' Fuori Limiti (Rocchetto Calcolato: 6,26E+11)"},
        {1, roch(1, 6), "-2E+07", ""},
        {1, roch(1, 6), "-2,1E+07", "La Misura di 'Gola H' Fuori Limiti (Rocchetto Personalizzato: -2,1E+07)"},
        {1, roch(1, 2), "-2", ""},
        {1, roch(1, 2), "-2,01", "La Misura di 'M' Fuori Limiti (Rocchetto Personalizzato: -2,01)"},
        {1, roch(2, 0), "1E+38", ""},  // no bobbin in row 2
        {1, filo(9, 0, 2), "1E-30", "Filo Rame Fuori Limiti (filo 10 della libreria del Primario 1: 1E-30)"},
        {1, filo(40, 3, 3), "1E-08", "Filo Rame Fuori Limiti (filo 41 della tabella del Primario 4: 1E-08)"},
        {1, filo(38, 0, 3), "1E-12", ""},
        {1, filo(38, 0, 3), "0", ""},
        // The second secondary names row 39 (1E-07 mm², 1E+07 g/m): a current
        // within its range whose density no design reaches (1E+11 A), or
        // below that (2,5E+17 A/mm² at most) a loss no Single holds.
        {1, sec(1, 6), "1E+11", "Corrente Avvolgimento Secondario Fuori Limiti (Secondario 2: 1E+11)"},
        {3, sec(1, 6), "2,5E+10", "Corrente Avvolgimento Secondario Fuori Limiti (Secondario 2: 2,5E+10)"},
        {1, sec(1, 6), "1E+08", ""},
        // 1E+09 A: 1E+16 A/mm² over 4,62 m (30 turns of 154 mm) of 1E+07 g/m,
        // a loss of 1,1E+37 W (6,7E+37 W for three zig-zag phases), finite;
        // 6E+09 A gives 4E+38 W, which no Single holds.
        {1, sec(1, 6), "1E+09", ""},
        {3, sec(1, 6), "1E+09", ""},
        {1, sec(1, 6), "6E+09", "Corrente Avvolgimento Secondario Fuori Limiti (Secondario 2: 6E+09)"},
        {1, sec(1, 10), "38", ""},
    }, ricalcolo);
}

// What the editors check before a save: the reader's own check, in the
// editor's words. Ranges from the cells: diameters 0,001 to 100 mm, Kf 1 to
// 2, a computed value 1E-07 to 1E+07; a lamination as the editor's check
// passes it: C 3 to 9999 mm (four characters), a leg 0 to 9999 mm, E up to
// 99999 mm (five), a weight up to 99999 kg typed or 25 x 9999² / 100 cm² x
// 8,5 / 1,11 g computed (191403,2 kg), an area up to 99999 x 5 x 9999 / 100.
TEST(FileDanneggiati, LibraryChecksTellTheRowTheValueAndTheRange) {
    Testi fili(300);
    ASSERT_TRUE(recfile::Leggi(kLibreria + "/LibRame1.wir", 20, 300, fili.data()).ok);
    EXPECT_EQ(VerificaRecLibRame(fili.data()), "");
    const std::tuple<int, const char*, const char*> rame[] = {
        {266, "3", "Coefficiente di Riempimento Kf: 3 (valori ammessi da 1 a 2)"},
        {38 + 2, "101", "Filo 3, Isol.mm: 101 (valori ammessi da 0,001 a 100)"},
        {76 + 5 * 4 + 3, "2E+07", "Filo 5, Ohm/m: 2E+07 (valori ammessi da 1E-07 a 1E+07)"},
        {5, "x", "Filo 6, Nudo mm: x (valori ammessi da 0,001 a 100)"},
        {1, "0", "La Libreria Rame deve avere almeno DUE fili in tabella"},
    };
    for (const auto& [k, testo, motivo] : rame) {
        Testi r = fili;
        r[static_cast<size_t>(k)] = testo;
        EXPECT_EQ(VerificaRecLibRame(r.data()), motivo);
    }
    Testi lam(200);
    ASSERT_TRUE(recfile::Leggi(kLibreria + "/LamMantelloStandard.lam", 40, 200, lam.data()).ok);
    EXPECT_EQ(VerificaRecLibLam(lam.data()), "");
    const std::tuple<int, const char*, const char*> lamierini[] = {
        {10 * 2 + 9, "99999", ""},
        {10 * 2 + 9, "191405", "Lamierino 3, Peso Kg: 191405 (valori ammessi da 0,004 a 191404)"},
        {10 * 1 + 4, "1", ""},
        {10 * 1 + 4, "-0,01", "Lamierino 2, D mm: -0,01 (valori ammessi da 0 a 9999)"},
        {10 * 1 + 3, "2,9", "Lamierino 2, C mm: 2,9 (valori ammessi da 3 a 9999)"},
        {10 * 1 + 3, "10000", "Lamierino 2, C mm: 10000 (valori ammessi da 3 a 9999)"},
        {10 * 1 + 5, "2,9", "Lamierino 2, E mm: 2,9 (valori ammessi da 3 a 99999)"},
        {10 * 1 + 2, "49996", "Lamierino 2, B mm: 49996 (valori ammessi da 3 a 49995)"},
        {10 * 1 + 9, "0,003", "Lamierino 2, Peso Kg: 0,003 (valori ammessi da 0,004 a 191404)"},
        {10 * 17, "5E+07", "Lamierino 18, AxB cm²: 5E+07 (valori ammessi da 0 a 4,99945E+07)"},
    };
    for (const auto& [k, testo, motivo] : lamierini) {
        Testi r = lam;
        r[static_cast<size_t>(k)] = testo;
        EXPECT_EQ(VerificaRecLibLam(r.data()), motivo);
    }
    EXPECT_EQ(VerificaRecLibLam(Testi(200).data()), "Nessun Lamierino in tabella");
}

// ---------------------------------------------------------------- the calculation

// Whatever reaches it, the calculation divides only by normal positive numbers:
// a density, flux or coefficient of 0, 1E-45 or below 0 gives no wire and
// leaves the stack and the power range as they were, never a huge or infinite one.
TEST(FileDanneggiati, TheCalculationNeverDividesByAValueThatIsNotNormalPositive) {
    for (float cattivo : {0.0f, 1e-45f, -2.0f}) {
        SCOPED_TRACE(cattivo);
        auto d = DesignMonofase();
        d->PriAmp[0] = 1;
        d->SecAmp[0] = 2;
        d->Densita = cattivo;
        CalcolaDiametroFilo(*d);
        Esatti({V(d->PriFiloNudo[0], 0), V(d->SecFiloNudo[0], 0)});

        d->Densita = 2.5f;
        d->Induzione = cattivo;
        d->SecPotTot = 100;
        d->LamSP = d->LamSE = 7;
        CalcolaPaccoLamellare(*d);
        EXPECT_EQ(d->LamSP + d->LamSE, 14.0f);

        d->PriVolt[0] = cattivo;
        CalcolaPotenzeAlim(*d);
        EXPECT_EQ(d->PriAmp[0], 0.0f);

        d->CoefKMin = cattivo;
        d->CoefKMax = 1.6f;
        d->PotMin = d->PotMax = 5;
        IntervalloPotenza(*d);
        EXPECT_EQ(d->PotMin + d->PotMax, 10.0f);
    }
}
