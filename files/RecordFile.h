// Files of fixed-length records, one text per record: a 2-byte little-endian
// length, the text in Windows-1252, padding up to the record length.
#pragma once

#include <string>

namespace recfile {

struct Esito {
    bool ok = true;
    int record = 0;          // 1-based record that failed, 0 when the file itself failed
    std::string messaggio;   // what went wrong, for the caller's own message
    int presenti = 0;        // after a read: whole records the file holds (at most n)
};

// Reads records 1..n of the file into rec[0..n-1]. A record past the end of
// the file reads as an empty text; `presenti` tells how many were there.
// Only a regular file is read (a FIFO, a device or a folder is refused without
// waiting on it), and never more than n * len bytes of it. A missing file is
// an error (nothing is created); so is a stored length above len-2. On any
// error rec is left as it was.
Esito Leggi(const std::string& percorso, int len, int n, std::string* rec);

// Writes rec[0..n-1] as records 1..n. The file is written beside the target,
// flushed and then renamed over it, and the folder is flushed after the
// rename, so a failed or interrupted write leaves the old file as it was.
// A symbolic link is followed: the file it points to is replaced and the
// link stays. An existing target that is not writable is refused, and so is
// a text that needs more than len-2 bytes or holds a character with no
// Windows-1252 code (nothing is written; the record is reported).
// Temporary files that an interrupted save left beside the target are removed.
Esito Scrivi(const std::string& percorso, int len, int n, const std::string* rec);

// The name of the temporary file that a save of `percorso` by process `pid`
// writes first; the counter makes it unique within the process.
std::string NomeTemporaneo(const std::string& percorso, long pid, unsigned contatore);

// Conversion between our UTF-8 texts and Windows-1252 bytes.
std::string Cp1252ToUtf8(const std::string& bytes);
bool Utf8ToCp1252(const std::string& utf8, std::string& out);

}  // namespace recfile
