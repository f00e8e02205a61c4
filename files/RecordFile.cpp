#include "files/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace recfile {

namespace {

// Code points of the bytes 0x80..0x9F; the five bytes without a character
// keep the control code of the same number, so that they read and write back
// unchanged.
constexpr char32_t kAlti[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// One byte for a code point, or -1 when Windows-1252 has none.
int ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kAlti[i] == cp) return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 sequence at s[i]; false when it is malformed.
bool NextCodePoint(const std::string& s, size_t& i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int n = 0;
    if (b0 < 0x80) { cp = b0; n = 0; }
    else if ((b0 & 0xE0) == 0xC0) { cp = b0 & 0x1F; n = 1; }
    else if ((b0 & 0xF0) == 0xE0) { cp = b0 & 0x0F; n = 2; }
    else if ((b0 & 0xF8) == 0xF0) { cp = b0 & 0x07; n = 3; }
    else return false;
    if (i + static_cast<size_t>(n) >= s.size()) return false;
    for (int k = 1; k <= n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((b & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not text.
    static constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<size_t>(n) + 1;
    return true;
}

Esito Errore(int record, std::string msg) {
    Esito e;
    e.ok = false;
    e.record = record;
    e.messaggio = std::move(msg);
    return e;
}

bool ScriviTutto(int fd, const std::vector<char>& dati) {
    size_t fatto = 0;
    while (fatto < dati.size()) {
        const ssize_t w = ::write(fd, dati.data() + fatto, dati.size() - fatto);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        fatto += static_cast<size_t>(w);
    }
    return true;
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, (b >= 0x80 && b <= 0x9F) ? kAlti[b - 0x80] : static_cast<char32_t>(b));
    }
    return out;
}

bool Utf8ToCp1252(const std::string& utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        if (!NextCodePoint(utf8, i, cp)) return false;
        const int b = ByteOf(cp);
        if (b < 0) return false;
        out += static_cast<char>(b);
    }
    return true;
}

Esito Leggi(const std::string& percorso, int len, int n, std::string* rec) {
    if (len < 3 || len > 65537 || n < 0 || (n > 0 && rec == nullptr))
        return Errore(0, "Lettura non valida di \"" + percorso + "\"");
    std::error_code ec;
    if (std::filesystem::is_directory(percorso, ec))
        return Errore(0, "\"" + percorso + "\" è una cartella, non un file");
    std::ifstream f(percorso, std::ios::binary);
    if (!f) return Errore(0, "Impossibile aprire il file \"" + percorso + "\"");
    const std::vector<char> dati((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) return Errore(0, "Errore di lettura del file \"" + percorso + "\"");

    // Everything is checked before the buffer is touched, so that a bad file
    // leaves it as it was.
    const size_t L = static_cast<size_t>(len);
    std::vector<std::string> letti(static_cast<size_t>(n));
    for (int r = 1; r <= n; ++r) {
        const size_t inizio = static_cast<size_t>(r - 1) * L;
        if (inizio >= dati.size()) break;  // past the end: empty from here on
        if (inizio + 2 > dati.size())
            return Errore(r, "Record " + std::to_string(r) + " incompleto nel file \"" + percorso + "\"");
        const size_t k = static_cast<unsigned char>(dati[inizio]) |
                         (static_cast<size_t>(static_cast<unsigned char>(dati[inizio + 1])) << 8);
        if (k > L - 2)
            return Errore(r, "Record " + std::to_string(r) + ": lunghezza " + std::to_string(k) +
                                 " oltre il massimo di " + std::to_string(L - 2) + " nel file \"" + percorso + "\"");
        if (inizio + 2 + k > dati.size())
            return Errore(r, "Record " + std::to_string(r) + " incompleto nel file \"" + percorso + "\"");
        letti[static_cast<size_t>(r - 1)] =
            Cp1252ToUtf8(std::string(dati.begin() + static_cast<std::ptrdiff_t>(inizio + 2),
                                     dati.begin() + static_cast<std::ptrdiff_t>(inizio + 2 + k)));
    }
    for (int r = 0; r < n; ++r) rec[r] = std::move(letti[static_cast<size_t>(r)]);
    return {};
}

Esito Scrivi(const std::string& percorso, int len, int n, const std::string* rec) {
    if (len < 3 || len > 65537 || n < 0 || (n > 0 && rec == nullptr))
        return Errore(0, "Scrittura non valida di \"" + percorso + "\"");
    const size_t L = static_cast<size_t>(len);

    // The whole file is composed first: a text that does not fit refuses the
    // write before anything reaches the disk.
    std::vector<char> dati(static_cast<size_t>(n) * L, '\0');
    std::string byte;
    for (int r = 1; r <= n; ++r) {
        const std::string& testo = rec[r - 1];
        if (!Utf8ToCp1252(testo, byte))
            return Errore(r, "Record " + std::to_string(r) + ": il testo \"" + testo +
                                 "\" contiene un carattere che il file non può contenere");
        if (byte.size() > L - 2)
            return Errore(r, "Record " + std::to_string(r) + ": il testo \"" + testo + "\" supera " +
                                 std::to_string(L - 2) + " caratteri");
        const size_t inizio = static_cast<size_t>(r - 1) * L;
        dati[inizio] = static_cast<char>(byte.size() & 0xFF);
        dati[inizio + 1] = static_cast<char>((byte.size() >> 8) & 0xFF);
        std::memcpy(dati.data() + inizio + 2, byte.data(), byte.size());
    }

    namespace fs = std::filesystem;
    const fs::path target(percorso);
    std::error_code ec;
    if (fs::is_directory(target, ec))
        return Errore(0, "\"" + percorso + "\" è una cartella, non un file");

    // A fresh name beside the target, so that the final rename stays within
    // one folder and replaces the old file in one step.
    static std::atomic<unsigned> contatore{0};
    fs::path temp;
    int fd = -1;
    for (int tentativo = 0; tentativo < 100 && fd < 0; ++tentativo) {
        temp = target;
        temp += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(contatore++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0)
        return Errore(0, "Impossibile scrivere nella cartella del file \"" + percorso + "\": " + std::strerror(errno));

    struct stat st{};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);

    bool ok = ScriviTutto(fd, dati);
    int err = ok ? 0 : errno;
    if (ok && ::fsync(fd) != 0) { ok = false; err = errno; }
    if (::close(fd) != 0 && ok) { ok = false; err = errno; }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) { ok = false; err = errno; }
    if (!ok) {
        ::unlink(temp.c_str());
        return Errore(0, "Errore di scrittura del file \"" + percorso + "\": " + std::strerror(err));
    }
    return {};
}

}  // namespace recfile
