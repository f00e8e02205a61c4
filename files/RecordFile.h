// Files of fixed-length records, one text per record: a 2-byte little-endian
// length, the text in Windows-1252, padding up to the record length.
#pragma once

#include <string>

namespace recfile {

struct Esito {
    bool ok = true;
    int record = 0;          // 1-based record that failed, 0 when the file itself failed
    std::string messaggio;   // what went wrong, for the caller's own message
};

// Reads records 1..n of the file into rec[0..n-1]. A record past the end of
// the file reads as an empty text. A missing file is an error (nothing is
// created); so is a stored length above len-2.
Esito Leggi(const std::string& percorso, int len, int n, std::string* rec);

// Writes rec[0..n-1] as records 1..n. The file is written beside the target
// and then renamed over it, so a failed write leaves the old file as it was.
// A text that needs more than len-2 bytes or holds a character with no
// Windows-1252 code is refused (nothing is written; the record is reported).
Esito Scrivi(const std::string& percorso, int len, int n, const std::string* rec);

// Conversion between our UTF-8 texts and Windows-1252 bytes.
std::string Cp1252ToUtf8(const std::string& bytes);
bool Utf8ToCp1252(const std::string& utf8, std::string& out);

}  // namespace recfile
