// Files of fixed-length records, one text per record: a 2-byte little-endian
// length, the text in Windows-1252, padding up to the record length.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <string>
#include <string_view>

#include "platform/core/Sostituzione.h"

namespace recfile {

// Storage for the bytes of a file, aligned to a memory page: the system
// copies between a file and memory several times slower when the two sides
// are not aligned alike.
struct LiberaPagine {
    void operator()(char* p) const { ::operator delete[](p, std::align_val_t{4096}); }
};
using BufferPagine = std::unique_ptr<char[], LiberaPagine>;
inline BufferPagine NuovoBuffer(size_t n) {
    return BufferPagine(static_cast<char*>(::operator new[](n > 0 ? n : 1, std::align_val_t{4096})));
}

// How a read or a write went: the record that failed, or after a read the
// whole records the file holds (at most n).
using Esito = sostituzione::Esito;

// The bytes of a file of records read whole, and its records seen where they
// lie. The storage is kept from one read to the next, so a caller that reads
// often keeps one of these.
class Lettura {
public:
    // The text of record r (0-based) as the file holds it, Windows-1252
    // bytes; empty past the end of the file, and from the bad record on
    // after a failed read (every record when the file itself failed).
    std::string_view Record(int r) const {
        if (r < 0 || r >= leggibili_) return {};
        const char* p = dati_.get() + static_cast<size_t>(r) * len_;
        const size_t k = static_cast<unsigned char>(p[0]) | (static_cast<size_t>(static_cast<unsigned char>(p[1])) << 8);
        return {p + 2, k};
    }

    // How many bytes of the file the last read took: after a bad record,
    // those of the records before it.
    size_t Byte() const { return letti_; }

    // Where record r starts (its length, then its text), when the file holds
    // 16 bytes from there, padding and all; null otherwise.
    const char* Sedici(int r) const {
        if (r < 0 || r >= leggibili_ || static_cast<size_t>(r) * len_ + 16 > letti_) return nullptr;
        return dati_.get() + static_cast<size_t>(r) * len_;
    }

private:
    friend Esito Leggi(const std::string& percorso, int len, int n, Lettura& lettura);
    BufferPagine dati_;
    size_t capacita_ = 0;
    size_t len_ = 0;
    size_t letti_ = 0;
    int leggibili_ = 0;  // records whose text is all there, the last one perhaps cut short
};

// Reads records 1..n of the file into `lettura`. A record past the end of the
// file reads as an empty text; `presenti` tells how many whole records were
// there. Only a regular file is read (a FIFO, a device or a folder is refused
// without waiting on it), and never more than n * len bytes of it. A missing
// file is an error (nothing is created); so is a stored length above len-2,
// or one that runs past the end of the file: every length is checked before
// any record is offered, so a bad record leaves only the records before it
// (Esito::record names it).
Esito Leggi(const std::string& percorso, int len, int n, Lettura& lettura);

// The same, with the texts in UTF-8 in rec[0..n-1]. On any error rec is left
// as it was.
Esito Leggi(const std::string& percorso, int len, int n, std::string* rec);

// The image of a file of n records of len bytes, made record by record; its
// storage is kept from one file to the next.
class Immagine {
public:
    // n empty records.
    void Inizia(int len, int n);
    // Where the text of record r (0-based) goes: room for len-2 bytes.
    char* Testo(int r) { return dati_.get() + static_cast<size_t>(r) * len_ + 2; }
    // Record r holds the k bytes written at Testo(r).
    void Lunghezza(int r, size_t k) {
        char* p = dati_.get() + static_cast<size_t>(r) * len_;
        p[0] = static_cast<char>(k & 0xFF);
        p[1] = static_cast<char>((k >> 8) & 0xFF);
    }
    // Record r takes `byte` as they stand; false (nothing changed) when they
    // need more than len-2 bytes.
    bool Metti(int r, std::string_view byte);
    std::string_view Byte() const { return {dati_.get(), dimensione_}; }

private:
    BufferPagine dati_;
    size_t capacita_ = 0;
    size_t len_ = 0;
    size_t dimensione_ = 0;
};

// Writes rec[0..n-1] as records 1..n, replacing the file through a temporary
// file (sostituzione::Sostituisci), so a failed or interrupted write leaves
// the old file as it was. A text that needs more than len-2 bytes or holds a
// character with no Windows-1252 code is refused (nothing is written; the
// record is reported).
Esito Scrivi(const std::string& percorso, int len, int n, const std::string* rec);

// The same for a whole file image made beforehand (Immagine::Byte()): written
// with one write into the temporary file.
Esito Scrivi(const std::string& percorso, std::string_view byte);

// For a message that has its own words: a further line with the reason the
// file itself failed ("\nMotivo: permesso negato"), empty otherwise.
std::string RigaMotivo(const Esito& e);

// Conversion between our UTF-8 texts and Windows-1252 bytes.
std::string Cp1252ToUtf8(std::string_view bytes);
// The same into `utf8`, whose storage is reused.
void Cp1252ToUtf8(std::string_view bytes, std::string& utf8);
bool Utf8ToCp1252(const std::string& utf8, std::string& out);

}  // namespace recfile
