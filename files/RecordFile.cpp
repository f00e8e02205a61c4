#include "files/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "platform/core/Motivi.h"
#include "platform/core/Sostituzione.h"

namespace recfile {

using sostituzione::ErroreFile;
using sostituzione::NonUnFile;

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

bool ScriviTutto(int fd, const char* dati, size_t n) {
    size_t fatto = 0;
    while (fatto < n) {
        const ssize_t w = ::write(fd, dati + fatto, n - fatto);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        fatto += static_cast<size_t>(w);
    }
    return true;
}

size_t Lunghezza(const char* record) {
    return static_cast<unsigned char>(record[0]) | (static_cast<size_t>(static_cast<unsigned char>(record[1])) << 8);
}

// True when every byte is below 0x80: the same text in UTF-8 and Windows-1252.
bool Ascii(const char* s, size_t n) {
    unsigned char o = 0;
    for (size_t i = 0; i < n; ++i) o |= static_cast<unsigned char>(s[i]);
    return o < 0x80;
}

bool Ascii(std::string_view s) { return Ascii(s.data(), s.size()); }

// `buffer` (of `capacita` bytes) made to hold n bytes: kept when it does.
void Almeno(BufferPagine& buffer, size_t& capacita, size_t n) {
    if (capacita >= n && buffer) return;
    buffer = NuovoBuffer(n);
    capacita = n > 0 ? n : 1;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    Cp1252ToUtf8(bytes, out);
    return out;
}

void Cp1252ToUtf8(std::string_view bytes, std::string& out) {
    if (Ascii(bytes)) {
        out.assign(bytes);  // the common case: the text as it stands
        return;
    }
    out.clear();
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, (b >= 0x80 && b <= 0x9F) ? kAlti[b - 0x80] : static_cast<char32_t>(b));
    }
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

Esito Leggi(const std::string& percorso, int len, int n, Lettura& lettura) {
    lettura.leggibili_ = 0;
    if (len < 3 || len > 65537 || n < 0)
        return Errore(0, "Lettura non valida di \"" + percorso + "\"");
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    // The file and the reason: whoever shows it says what could not be done.
    if (fd < 0) return ErroreFile("\"" + percorso + "\"", motivi::DiErrore(errno));
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return NonUnFile(percorso, S_ISDIR(st.st_mode));
    }

    // Never more than the records asked for, whatever the file's size.
    const size_t L = static_cast<size_t>(len);
    const size_t massimo = static_cast<size_t>(n) * L;
    const size_t attesi = std::min(massimo, static_cast<size_t>(std::max<off_t>(st.st_size, 0)));
    Almeno(lettura.dati_, lettura.capacita_, attesi);
    char* p = lettura.dati_.get();
    size_t letti = 0;
    while (letti < attesi) {
        const ssize_t r = ::read(fd, p + letti, attesi - letti);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) {
            const int err = errno;
            ::close(fd);
            return ErroreFile("Errore di lettura del file \"" + percorso + "\"", motivi::DiErrore(err));
        }
        if (r == 0) break;  // shorter than it was a moment ago
        letti += static_cast<size_t>(r);
    }
    ::close(fd);

    // Every length is checked before any record is offered. Offers the
    // first r records, within the bytes they take.
    const auto offri = [&](size_t r, size_t byte) {
        lettura.len_ = L;
        lettura.letti_ = byte;
        lettura.leggibili_ = static_cast<int>(r);
    };
    // A bad record r (0-based): the ones before it are still offered.
    const auto rifiuta = [&](size_t r, const std::string& perche) {
        offri(r, r * L);
        const int numero = static_cast<int>(r) + 1;
        return Errore(numero, "Record " + std::to_string(numero) + perche + " nel file \"" + percorso + "\"");
    };
    const size_t presenti = std::min(letti / L + (letti % L != 0), static_cast<size_t>(n));
    for (size_t r = 0; r < presenti; ++r) {
        const size_t inizio = r * L;
        if (inizio + 2 > letti) return rifiuta(r, " incompleto");
        const size_t k = Lunghezza(p + inizio);
        if (k > L - 2)
            return rifiuta(r, ": lunghezza " + std::to_string(k) + " oltre il massimo di " + std::to_string(L - 2));
        if (inizio + 2 + k > letti) return rifiuta(r, " incompleto");
    }
    offri(presenti, letti);

    Esito e;
    e.presenti = static_cast<int>(letti / L);
    return e;
}

Esito Leggi(const std::string& percorso, int len, int n, std::string* rec) {
    if (n > 0 && rec == nullptr) return Errore(0, "Lettura non valida di \"" + percorso + "\"");
    Lettura lettura;
    Esito e = Leggi(percorso, len, n, lettura);
    if (!e.ok) return e;
    for (int r = 0; r < n; ++r) Cp1252ToUtf8(lettura.Record(r), rec[r]);
    return e;
}

void Immagine::Inizia(int len, int n) {
    len_ = static_cast<size_t>(std::max(len, 0));
    dimensione_ = static_cast<size_t>(std::max(n, 0)) * len_;
    Almeno(dati_, capacita_, dimensione_);
    std::memset(dati_.get(), 0, dimensione_);
}

bool Immagine::Metti(int r, std::string_view byte) {
    if (byte.size() + 2 > len_) return false;
    std::memcpy(Testo(r), byte.data(), byte.size());
    Lunghezza(r, byte.size());
    return true;
}

std::string RigaMotivo(const Esito& e) {
    return e.ok || e.motivo.empty() ? std::string() : "\nMotivo: " + e.motivo;
}

Esito Scrivi(const std::string& percorso, int len, int n, const std::string* rec) {
    if (len < 3 || len > 65537 || n < 0 || (n > 0 && rec == nullptr))
        return Errore(0, "Scrittura non valida di \"" + percorso + "\"");
    const size_t L = static_cast<size_t>(len);

    // The whole file is composed first: a text that does not fit refuses the
    // write before anything reaches the disk.
    Immagine immagine;
    immagine.Inizia(len, n);
    std::string byte;
    for (int r = 1; r <= n; ++r) {
        const std::string& testo = rec[r - 1];
        std::string_view sorgente = testo;
        if (!Ascii(sorgente)) {
            if (!Utf8ToCp1252(testo, byte))
                return Errore(r, "Record " + std::to_string(r) + ": il testo \"" + testo +
                                     "\" contiene un carattere che il file non può contenere");
            sorgente = byte;
        }
        if (!immagine.Metti(r - 1, sorgente))
            return Errore(r, "Record " + std::to_string(r) + ": il testo \"" + testo + "\" supera " +
                                 std::to_string(L - 2) + " caratteri");
    }
    return Scrivi(percorso, immagine.Byte());
}

Esito Scrivi(const std::string& percorso, std::string_view dati) {
    return sostituzione::Sostituisci(percorso, [dati](int fd, const std::string&) {
        return ScriviTutto(fd, dati.data(), dati.size()) ? 0 : errno;
    });
}

}  // namespace recfile
