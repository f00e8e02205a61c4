#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "files/RecordFile.h"

namespace fs = std::filesystem;
using namespace recfile;

namespace {

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("marlovine_rec_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    static std::vector<unsigned char> Bytes(const std::string& p) {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    static void PutBytes(const std::string& p, const std::vector<unsigned char>& b) {
        std::ofstream f(p, std::ios::binary);
        f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    }

    fs::path dir_;
};

}  // namespace

// ---------------------------------------------------------------- layout

TEST_F(RecordFileTest, ExactBytesOfATwentyByteRecord) {
    const std::string rec[1] = {"1,05"};
    ASSERT_TRUE(Scrivi(Path("a.wir"), 20, 1, rec).ok);
    const auto b = Bytes(Path("a.wir"));
    ASSERT_EQ(b.size(), 20u);
    const std::vector<unsigned char> head(b.begin(), b.begin() + 6);
    EXPECT_EQ(head, (std::vector<unsigned char>{0x04, 0x00, 0x31, 0x2C, 0x30, 0x35}));
}

TEST_F(RecordFileTest, RecordNStartsAtNMinusOneTimesLength) {
    std::vector<std::string> rec(3);
    rec[2] = "abc";
    ASSERT_TRUE(Scrivi(Path("b.lam"), 40, 3, rec.data()).ok);
    const auto b = Bytes(Path("b.lam"));
    ASSERT_EQ(b.size(), 120u);
    EXPECT_EQ(b[0], 0);  // empty records: length 0
    EXPECT_EQ(b[40], 0);
    EXPECT_EQ(b[80], 3);
    EXPECT_EQ(b[81], 0);
    EXPECT_EQ(b[82], 'a');
    EXPECT_EQ(b[84], 'c');
}

TEST_F(RecordFileTest, SizesOfFreshFiles) {
    auto rec = std::make_unique<std::string[]>(10000);
    rec[266] = "1,05";
    ASSERT_TRUE(Scrivi(Path("p.tmf"), 100, 9999, rec.get()).ok);
    ASSERT_TRUE(Scrivi(Path("l.lam"), 40, 200, rec.get()).ok);
    ASSERT_TRUE(Scrivi(Path("r.wir"), 20, 300, rec.get()).ok);
    EXPECT_EQ(fs::file_size(Path("p.tmf")), 999900u);
    EXPECT_EQ(fs::file_size(Path("l.lam")), 8000u);
    EXPECT_EQ(fs::file_size(Path("r.wir")), 6000u);
    // Record 267 of a wire library holds the fill coefficient.
    const auto b = Bytes(Path("r.wir"));
    EXPECT_EQ(b[266 * 20], 4);
    EXPECT_EQ(b[266 * 20 + 2], '1');
}

TEST_F(RecordFileTest, ALongerOldFileIsReplacedWhole) {
    PutBytes(Path("x.wir"), std::vector<unsigned char>(7000, 0));
    std::vector<std::string> rec(300);
    ASSERT_TRUE(Scrivi(Path("x.wir"), 20, 300, rec.data()).ok);
    EXPECT_EQ(fs::file_size(Path("x.wir")), 6000u);
}

// ---------------------------------------------------------------- reading

TEST_F(RecordFileTest, WriteAndReadBackOverwriteOnlyTheRecordsRead) {
    const std::vector<std::string> out = {"1,05", "", "True", "-3", "Archivio\\p.tmf", std::string(18, 'x')};
    ASSERT_TRUE(Scrivi(Path("c.wir"), 20, 6, out.data()).ok);
    std::vector<std::string> in(8, "old");
    ASSERT_TRUE(Leggi(Path("c.wir"), 20, 6, in.data()).ok);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(in[i], out[i]) << i;
    EXPECT_EQ(in[6], "old");  // never cleared
    EXPECT_EQ(in[7], "old");
}

TEST_F(RecordFileTest, RecordsPastTheEndReadEmpty) {
    const std::string rec[3] = {"a", "b", "c"};
    ASSERT_TRUE(Scrivi(Path("d.wir"), 20, 3, rec).ok);
    std::vector<std::string> in(5, "old");
    ASSERT_TRUE(Leggi(Path("d.wir"), 20, 5, in.data()).ok);
    EXPECT_EQ(in[2], "c");
    EXPECT_EQ(in[3], "");
    EXPECT_EQ(in[4], "");

    PutBytes(Path("empty.wir"), {});
    std::vector<std::string> in2(3, "old");
    ASSERT_TRUE(Leggi(Path("empty.wir"), 20, 3, in2.data()).ok);
    EXPECT_EQ(in2, (std::vector<std::string>{"", "", ""}));
}

TEST_F(RecordFileTest, StoredLengthAboveTheRecordIsAReadError) {
    // A 100-byte record claiming 99 text bytes (at most 98 fit), followed by
    // a second record so that the 99 bytes are there to be read.
    std::vector<unsigned char> b(200, 'x');
    b[0] = 99;
    b[1] = 0;
    b[100] = 0;
    b[101] = 0;
    PutBytes(Path("bad.tmf"), b);
    std::vector<std::string> in(2, "old");
    const Esito e = Leggi(Path("bad.tmf"), 100, 2, in.data());
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.record, 1);
    EXPECT_FALSE(e.messaggio.empty());
    EXPECT_EQ(in[0], "old");

    b[0] = 98;
    PutBytes(Path("ok.tmf"), b);
    ASSERT_TRUE(Leggi(Path("ok.tmf"), 100, 2, in.data()).ok);
    EXPECT_EQ(in[0], std::string(98, 'x'));
    EXPECT_EQ(in[1], "");
}

TEST_F(RecordFileTest, AFileOfAnotherRecordLengthFailsToRead) {
    // A project file (records of 100) read as a wire library (records of 20):
    // record 6 starts inside the text of record 2 at a length above 18.
    std::vector<std::string> out(3);
    out[1] = std::string(40, 'A');  // 'A' = 0x41: length bytes 0x4141
    ASSERT_TRUE(Scrivi(Path("p.tmf"), 100, 3, out.data()).ok);
    std::vector<std::string> in(15, "old");
    const Esito e = Leggi(Path("p.tmf"), 20, 15, in.data());
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.record, 6);
    EXPECT_EQ(in[0], "old");
}

TEST_F(RecordFileTest, AMissingFileIsAnErrorAndIsNotCreated) {
    std::vector<std::string> in(2, "old");
    const Esito e = Leggi(Path("none.wir"), 20, 2, in.data());
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.record, 0);
    EXPECT_FALSE(fs::exists(Path("none.wir")));
    EXPECT_EQ(in[0], "old");
    EXPECT_FALSE(Leggi(dir_.string(), 20, 2, in.data()).ok);  // a folder
}

// ---------------------------------------------------------------- refused and failed writes

TEST_F(RecordFileTest, TextTooLongIsRefusedNamingTheRecord) {
    const std::vector<unsigned char> old = {0x02, 0x00, 'o', 'k'};
    PutBytes(Path("e.tmf"), old);
    std::vector<std::string> rec(4);
    rec[2] = std::string(99, 'x');
    const Esito e = Scrivi(Path("e.tmf"), 100, 4, rec.data());
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.record, 3);
    EXPECT_EQ(Bytes(Path("e.tmf")), old);  // nothing written

    rec[2] = std::string(98, 'x');
    EXPECT_TRUE(Scrivi(Path("e.tmf"), 100, 4, rec.data()).ok);
    // Length counts Windows-1252 bytes: 18 accented letters are 36 UTF-8 bytes.
    std::string accenti;
    for (int i = 0; i < 18; ++i) accenti += "è";
    const std::string w[1] = {accenti};
    EXPECT_TRUE(Scrivi(Path("f.wir"), 20, 1, w).ok);
    const std::string w2[1] = {accenti + "e"};
    EXPECT_FALSE(Scrivi(Path("f.wir"), 20, 1, w2).ok);
}

TEST_F(RecordFileTest, CharacterWithoutCodeIsRefusedNamingTheRecord) {
    const std::string rec[2] = {"ok", "Ω = 5"};
    const Esito e = Scrivi(Path("g.wir"), 20, 2, rec);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.record, 2);
    EXPECT_FALSE(fs::exists(Path("g.wir")));
}

TEST_F(RecordFileTest, FailedWriteIsReportedAndKeepsTheOldFile) {
    const std::vector<unsigned char> old = {0x03, 0x00, 'o', 'l', 'd'};
    PutBytes(Path("h.tmf"), old);
    auto rec = std::make_unique<std::string[]>(10000);
    rec[0] = "new";

    // The disk refuses the data half way (file size limit; works as root too).
    struct rlimit prima {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &prima), 0);
    auto vecchioSegnale = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit piccolo = prima;
    piccolo.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &piccolo), 0);
    const Esito e = Scrivi(Path("h.tmf"), 100, 9999, rec.get());
    ::setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, vecchioSegnale);

    EXPECT_FALSE(e.ok);
    EXPECT_FALSE(e.messaggio.empty());
    EXPECT_EQ(Bytes(Path("h.tmf")), old);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(RecordFileTest, WriteWhereNoFileCanBeMadeFails) {
    const std::string rec[1] = {"x"};
    // The folder of the target is a regular file.
    PutBytes(Path("cartella"), {});
    EXPECT_FALSE(Scrivi(Path("cartella") + "/p.tmf", 100, 1, rec).ok);
    // The target is a folder.
    fs::create_directory(Path("sub"));
    EXPECT_FALSE(Scrivi(Path("sub"), 100, 1, rec).ok);
    EXPECT_TRUE(fs::is_directory(Path("sub")));
    // A read-only folder (permission bits do not stop root).
    if (::geteuid() != 0) {
        const std::vector<unsigned char> old = {0x01, 0x00, 'o'};
        fs::create_directory(Path("ro"));
        PutBytes(Path("ro") + "/p.tmf", old);
        fs::permissions(Path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(Scrivi(Path("ro") + "/p.tmf", 100, 1, rec).ok);
        fs::permissions(Path("ro"), fs::perms::owner_all);
        EXPECT_EQ(Bytes(Path("ro") + "/p.tmf"), old);
    }
}

// ---------------------------------------------------------------- Windows-1252

TEST(Cp1252, AccentsAndEuro) {
    const std::string rec[2] = {"è", "€ 5"};
    const fs::path p = fs::temp_directory_path() / ("marlovine_cp_" + std::to_string(::getpid()) + ".wir");
    ASSERT_TRUE(Scrivi(p.string(), 20, 2, rec).ok);
    std::ifstream f(p, std::ios::binary);
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[2], 0xE8);
    EXPECT_EQ(b[20], 3);
    EXPECT_EQ(b[22], 0x80);
    std::string in[2];
    ASSERT_TRUE(Leggi(p.string(), 20, 2, in).ok);
    EXPECT_EQ(in[0], "è");
    EXPECT_EQ(in[1], "€ 5");
    fs::remove(p);
}

TEST(Cp1252, ConversionTable) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\xE8"), "è");
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "Ÿ");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9A"), "Šš");
    EXPECT_EQ(Cp1252ToUtf8("\xB0"), "°");
    EXPECT_EQ(Cp1252ToUtf8("\xB2"), "²");
    std::string out;
    ASSERT_TRUE(Utf8ToCp1252("€", out));
    EXPECT_EQ(out, "\x80");
    ASSERT_TRUE(Utf8ToCp1252("Perché 50 °C ²", out));
    EXPECT_EQ(out, "Perch\xE9 50 \xB0" "C \xB2");
    EXPECT_FALSE(Utf8ToCp1252("Ω", out));         // no code
    EXPECT_FALSE(Utf8ToCp1252("\xC2\x80", out));  // U+0080: the byte 0x80 is the euro
    EXPECT_FALSE(Utf8ToCp1252("\xC3", out));      // cut sequence
    EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF", out));  // overlong form
    // Every byte, including the five without a character, reads and writes back.
    std::string tutti;
    for (int i = 0; i < 256; ++i) tutti += static_cast<char>(i);
    ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(tutti), out));
    EXPECT_EQ(out, tutti);
}
