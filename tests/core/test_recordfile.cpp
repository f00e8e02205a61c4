#include <sys/resource.h>

#include <cerrno>
#include <memory>

#include "files/RecordFile.h"
#include "platform/core/Avvio.h"
#include "platform/core/Motivi.h"
#include "LibrerieSupport.h"

namespace fs = std::filesystem;
using namespace recfile;

namespace {

using Byte = std::vector<unsigned char>;

struct RecordFileTest : ::testing::Test {
    std::string Path(const std::string& name) const { return dir_.File(name); }
    Byte Bytes(const std::string& name) const {
        const std::string b = libtest::Byte(Path(name));
        return {b.begin(), b.end()};
    }
    void PutBytes(const std::string& name, const Byte& b) const {
        std::ofstream(Path(name), std::ios::binary) << std::string(b.begin(), b.end());
    }
    libtest::Cartella dir_;
};

}  // namespace

// ---------------------------------------------------------------- layout

TEST_F(RecordFileTest, RecordNStartsAtNMinusOneTimesLengthWithALittleEndianLength) {
    const std::string rec[1] = {"1,05"};
    ASSERT_TRUE(Scrivi(Path("a.wir"), 20, 1, rec).ok);
    const Byte a = Bytes("a.wir");
    ASSERT_EQ(a.size(), 20u);
    EXPECT_EQ(Byte(a.begin(), a.begin() + 6), (Byte{0x04, 0x00, 0x31, 0x2C, 0x30, 0x35}));

    // Empty records: length 0. Windows-1252 on file: è is 0xE8, € 0x80.
    ASSERT_TRUE(Scrivi(Path("b.lam"), 40, 4, Testi{"", "", "abc", "è€"}.data()).ok);
    const Byte b = Bytes("b.lam");
    ASSERT_EQ(b.size(), 160u);
    EXPECT_EQ((Byte{b[0], b[40], b[80], b[81], b[82], b[84], b[120], b[122], b[123]}),
              (Byte{0, 0, 3, 0, 'a', 'c', 2, 0xE8, 0x80}));

    // A longer old file is replaced whole.
    PutBytes("x.wir", Byte(7000, 0));
    ASSERT_TRUE(Scrivi(Path("x.wir"), 20, 300, Testi(300).data()).ok);
    EXPECT_EQ(fs::file_size(Path("x.wir")), 6000u);
}

// ---------------------------------------------------------------- reading

TEST_F(RecordFileTest, ReadBackOverwritesOnlyTheRecordsReadAndPastTheEndReadsEmpty) {
    const Testi out = {"1,05", "", "True", "-3", "Archivio\\p.tmf", std::string(18, 'x'), "è", "€ 5"};
    ASSERT_TRUE(Scrivi(Path("c.wir"), 20, 8, out.data()).ok);
    Testi in(10, "old");
    ASSERT_TRUE(Leggi(Path("c.wir"), 20, 8, in.data()).ok);
    EXPECT_EQ(Testi(in.begin(), in.begin() + 8), out);
    EXPECT_EQ((Testi{in[8], in[9]}), (Testi{"old", "old"}));  // never cleared

    ASSERT_TRUE(Leggi(Path("c.wir"), 20, 10, in.data()).ok);
    EXPECT_EQ((Testi{in[7], in[8], in[9]}), (Testi{"€ 5", "", ""}));
}

TEST_F(RecordFileTest, LengthsThatDoNotFitAreReadErrors) {
    // A 100-byte record claiming 99 text bytes (at most 98 fit), followed by
    // a second record so that the 99 bytes are there to be read.
    Byte b(200, 'x');
    b[0] = 99;
    b[1] = b[100] = b[101] = 0;
    PutBytes("bad.tmf", b);
    Testi in(2, "old");
    const Esito e = Leggi(Path("bad.tmf"), 100, 2, in.data());
    EXPECT_TRUE(!e.ok && e.record == 1 && !e.messaggio.empty());
    EXPECT_EQ(in[0], "old");
    b[0] = 98;
    PutBytes("ok.tmf", b);
    ASSERT_TRUE(Leggi(Path("ok.tmf"), 100, 2, in.data()).ok);
    EXPECT_EQ(in, (Testi{std::string(98, 'x'), ""}));
}

// ---------------------------------------------------------------- refused and failed writes

TEST_F(RecordFileTest, TextThatCannotBeStoredIsRefusedNamingTheRecord) {
    const Byte old = {0x02, 0x00, 'o', 'k'};
    PutBytes("e.tmf", old);
    Testi rec(4);
    rec[2] = std::string(99, 'x');
    const Esito e = Scrivi(Path("e.tmf"), 100, 4, rec.data());
    EXPECT_TRUE(!e.ok && e.record == 3);
    EXPECT_EQ(Bytes("e.tmf"), old);  // nothing written
    rec[2] = std::string(98, 'x');
    EXPECT_TRUE(Scrivi(Path("e.tmf"), 100, 4, rec.data()).ok);
}

TEST_F(RecordFileTest, FailedWriteIsReportedAndKeepsTheOldFile) {
    const Byte old = {0x03, 0x00, 'o', 'l', 'd'};
    PutBytes("h.tmf", old);
    auto rec = std::make_unique<std::string[]>(10000);
    rec[0] = "new";

    // The disk refuses the data half way (file size limit; works as root too)
    // in a process set up as the program sets up its own.
    avvio::PreparaProcesso();
    struct rlimit prima {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &prima), 0);
    const struct rlimit piccolo = {4096, prima.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &piccolo), 0);
    const Esito e = Scrivi(Path("h.tmf"), 100, 9999, rec.get());
    ::setrlimit(RLIMIT_FSIZE, &prima);

    EXPECT_EQ(e.messaggio, "Errore di scrittura del file \"" + Path("h.tmf") + "\": file troppo grande");
    EXPECT_EQ(Bytes("h.tmf"), old);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("")), fs::directory_iterator()), 1);
}

// (A target whose folder is missing: the editors' and the File menu's tests.)
TEST_F(RecordFileTest, WriteOverAFolderFails) {
    const std::string rec[1] = {"x"};
    fs::create_directory(Path("sub"));
    EXPECT_FALSE(Scrivi(Path("sub"), 100, 1, rec).ok);
    EXPECT_TRUE(fs::is_directory(Path("sub")));
}

// Every failure tells its reason in Italian, never in the system's English.
TEST(Motivi, UsualCausesInItalian) {
    const std::pair<int, const char*> casi[] = {
        {EACCES, "permesso negato"}, {EPERM, "permesso negato"}, {ENOSPC, "disco pieno"},
        {EROFS, "disco di sola lettura"}, {ENOENT, "il file o la cartella non esiste"},
        {ENAMETOOLONG, "nome del file troppo lungo"}, {EISDIR, "è una cartella, non un file"},
        {EXDEV, "errore del sistema numero 18"}};
    for (const auto& [codice, testo] : casi) EXPECT_EQ(motivi::DiErrore(codice), testo) << codice;
}

// ---------------------------------------------------------------- Windows-1252

TEST(Cp1252, ConversionTable) {
    const std::pair<const char*, const char*> casi[] = {{"\x80", "€"}, {"\xE8", "è"}, {"\x9F", "Ÿ"},
                                                        {"\x8A\x9A", "Šš"}, {"\xB0", "°"}, {"\xB2", "²"}};
    for (const auto& [cp, utf8] : casi) EXPECT_EQ(Cp1252ToUtf8(cp), utf8);
    std::string out;
    ASSERT_TRUE(Utf8ToCp1252("Perché 50 °C ²", out));
    EXPECT_EQ(out, "Perch\xE9 50 \xB0" "C \xB2");
    // No code; U+0080 (the byte 0x80 is the euro); a cut sequence; an overlong form.
    for (const char* s : {"Ω", "\xC2\x80", "\xC3", "\xC0\xAF"}) EXPECT_FALSE(Utf8ToCp1252(s, out)) << s;
    // Every byte, including the five without a character, reads and writes back.
    std::string tutti;
    for (int i = 0; i < 256; ++i) tutti += static_cast<char>(i);
    ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(tutti), out));
    EXPECT_EQ(out, tutti);
}
