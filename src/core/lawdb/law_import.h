#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

class DriveMap;

// Import of law documents from text files into the law database: the index
// "lawbase\index.txt" and the content files of the content folder.
//
// A source file holds one document and begins with the five header lines
//   【标    题】 title
//   【颁布单位】 issuing body
//   【颁布日期】 date (2003-4-1, 2003年4月1日, 2003.04.01, 2003/4/1, 20030401;
//               empty or all zeros for an undated document)
//   【实施日期】 date of entry into force
//   【有 效 性】 validity
// in this order (blank lines between them, blanks inside the brackets, a
// missing separator blank and trailing blanks are all accepted), optionally
// a line "【类    别】" with the category digits among or right after them,
// then the body. It is UTF-8 when it is valid UTF-8 holding non-ASCII bytes,
// otherwise GBK; a UTF-8 byte order mark is dropped.
//
// The document is stored as the five header lines in their canonical form
// (label, one blank, value; dates as yyyy-mm-dd, "0000-00-00" when undated)
// followed by the body, lines joined by CR LF, without the category line,
// with the record marker added at the end of the body when it lacks one.
//
// Writing the database, and what a crash leaves
// ---------------------------------------------
// The reader of a content file takes the first document whose title
// (ignoring letter case) and date equal those of the index row, so the index
// decides which documents exist and the content files only have to hold
// them. The import therefore keeps this invariant at every moment:
//
//   every row of whichever index is on disk finds a document of its title
//   and date in its content file.
//
// 1. Nothing is changed until every new file is complete: each new content
//    file and the new index are first written to a temporary file beside
//    their target ("<name>.new") and flushed to disk. A failure here (disk
//    full, read-only folder) removes the temporary files and leaves the
//    database exactly as it was.
// 2. A new content file only adds to or replaces in the old one: every old
//    document stays, at its old place, except those with the title and date
//    of an imported document, whose first occurrence is replaced in place by
//    the new version (later occurrences, never shown anyway, are dropped).
//    New documents go after the old ones (before the first damaged one, if
//    any, so that they can be reached). So the old index still finds every
//    one of its documents in a new content file: unchanged ones as before,
//    replaced ones as their new version (the row's validity may be the old
//    one until the new index is in place).
// 3. The temporary content files are renamed over the old ones one by one
//    (each rename is atomic: a file is either old or new), the folder is
//    flushed, and only then is the index renamed into place, last. A crash
//    between two renames leaves the old index with a mix of old and new
//    content files: by 2, every old row is still found. After the index
//    rename, every new row is found, since every new document is in the
//    content files already in place.
// 4. The undated file keeps its old documents at their old entries and adds
//    the new ones after them, so an old undated row never moves beyond the
//    entries the program examines (1 to 9999); an import that would make
//    the undated file reach 10000 documents is refused before anything is
//    written.
// 5. With --replace the new database holds only the imported documents, but
//    old index rows must still be found until the new index is in place: the
//    content files are first written as in 2 (old documents kept), then the
//    index is put in place, and only after that are the content files
//    rewritten without the old documents and the content files of months
//    that no longer occur removed. A crash during this cleanup leaves extra
//    documents that no index row refers to, which the lookup never reaches;
//    the next --replace import removes them. (The full-text search may still
//    list such a leftover until then.)
//
// The temporary files are written by hand rather than through one QSaveFile
// per target because all of them must exist before the first rename, and a
// large import touches hundreds of files (more than a process may hold open).

// A document read from a source file.
struct ImportedLaw {
    QString title;
    QString issuer;
    QString date;       // "yyyy-mm-dd"; "0000-00-00" when undated
    QString inForce;    // as stored in the header
    QString validity;   // 有效, 失效, 已被修正, ...
    QString categories; // digits 1 to 9, ascending, each once
    QString body;       // CR LF line breaks; holds the record marker

    bool undated() const;
    // Field 3 of the index: the category digits followed by the issuing body.
    QString orgField() const { return categories + issuer; }
    // The stored document: the five header lines and the body.
    QString text() const;
};

// The stored form of a document: each header label, one blank and its value,
// then the body, joined by CR LF.
QString composeLawDocument(QStringView title, QStringView issuer, QStringView date,
                           QStringView inForce, QStringView validity, QStringView body);

// The category digits of a document from its issuing body and title, when the
// source names none; the rules are written down in README.md ("Importing
// laws"). Ascending digits, each once; "9" when no rule applies.
QString deriveCategories(QStringView issuer, QStringView title);

// A date as a source may give it (2003-4-1, 2003/4/1, 2003.04.01, 2003年4月1日,
// 20030401, full-width digits too) written yyyy-mm-dd; "0000-00-00" for an
// empty text or one made only of zeros and separators; nullopt otherwise.
std::optional<QString> normaliseLawDate(QStringView text);

// The text of a source file's bytes; nullopt with the reason in *why when it
// is no text (a zero byte) or neither UTF-8 nor GBK.
std::optional<QString> decodeLawSource(QByteArrayView bytes, QString *why = nullptr);

// The document of a source text, or why it cannot be imported.
struct ParsedLawSource {
    std::optional<ImportedLaw> document;
    QString reason;    // set when document is empty
    QStringList notes; // imported, but worth knowing
};
ParsedLawSource parseLawSource(QStringView text);

// A content file of the store: six DigitCode characters and ".dll" (the
// letter case of the extension aside).
bool isContentFileName(QStringView fileName);

struct LawImportOptions {
    // Start from an empty database instead of extending the existing one.
    bool replace = false;
    // Called with the host path of each file just before it is put in place;
    // returning false stops the import there, as a crash would (for tests).
    std::function<bool(const QString &hostPath)> beforeReplacing;
};

// One message about a source file.
struct LawImportMessage {
    QString file; // the file as named (host path)
    QString text;
    QString line() const { return file + u": " + text; }
};

struct LawImportResult {
    int filesRead = 0;    // source files examined
    int filesSkipped = 0; // files in source folders not ending in ".txt"
    int imported = 0;     // documents taken from the sources
    int added = 0;        // of these, new to the database
    int replaced = 0;     // of these, replacing a document of the same title and date
    int total = 0;        // documents in the index afterwards
    int undated = 0;      // undated documents in the index afterwards
    int contentFilesWritten = 0;
    bool indexWritten = false;
    QList<LawImportMessage> rejected; // one per source file not imported
    QList<LawImportMessage> notes;    // imported, but worth knowing
    QStringList warnings;             // about the database, not a source file
    // Why the database was not changed (or, when the import was stopped after
    // some content files, not completed); empty on success.
    QString failure;

    bool ok() const { return failure.isEmpty(); }
};

// Imports the documents of the sources (files, or folders searched
// recursively for ".txt" files; system or host paths) into the database on
// the system drive of `drives`. A document whose title and date equal those
// of one already present replaces it; within one import, a later file
// replaces an earlier one of the same title and date (with a note).
// Nothing is written when no document could be read, when the existing
// index cannot be read whole (extending only), when the database would
// exceed 180000 documents or its undated file 9999, or when any new file
// cannot be written.
LawImportResult importLaws(const DriveMap &drives, const QStringList &sources,
                           const LawImportOptions &options = {});
