#pragma once

// The cell file: fixed 40-byte records without header, one text cell per record,
// encoded in code page 932 and padded with half-width blanks. The reference
// databases and the result files all use it.

#include "failure.h"
#include "texttable.h"

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QSaveFile;

namespace kb {

constexpr int kRecordSize = 40;
constexpr int kCellChars = 20;

// A text that code page 932 cannot represent; refused before anything is written.
class UnencodableText : public Failure
{
public:
    explicit UnencodableText(const QString &text, qint64 record = 0)
        : Failure(QStringLiteral("not encodable: ") + text), m_text(text), m_record(record) {}
    const QString &text() const { return m_text; }
    // The record the text was meant for, from 1 (0 when it was a single cell).
    qint64 record() const { return m_record; }

private:
    QString m_text;
    qint64 m_record;
};

// True when every character of the text's first 20 characters has a code page 932 form.
bool canEncodeCell(const QString &text);

// The 40 bytes of a record holding the text (cut to 20 characters). Throws UnencodableText.
QByteArray encodeCell(const QString &text);

// The cell value of a record's bytes (fewer than 40 count as padded with zero bytes):
// decoded, cut to 20 characters, every half-width blank and NUL removed. A byte that
// starts no code page 932 character becomes the unreadable mark (kUnreadableMark of
// numtext.h), so that no number is read from the cell.
QString decodeCell(const char *bytes, int size);
inline QString decodeCell(const QByteArray &record) { return decodeCell(record.constData(), int(record.size())); }

// A cell file read into memory at once. A missing file reads as one without
// records; a file that exists but cannot be read throws Failure, and so does
// anything that is not a regular file (a FIFO, a device, a folder), refused
// before it is opened so that no load can block on it.
class CellFileReader
{
public:
    explicit CellFileReader(const QString &path);

    bool exists() const { return m_exists; }
    qint64 recordCount() const { return m_bytes.size() / kRecordSize; }

    // readCell: record n from 1; a record past the end reads as an empty cell.
    QString readCell(qint64 n) const;

private:
    QByteArray m_bytes;
    bool m_exists = false;
};

// Reads rows 1..R, columns 1..C into table cells (c, r) in record order.
void readTable(const QString &path, int rows, int columns, TextTable &table);

// Writes records 1..N with the given cells in order, atomically: the file keeps
// whatever it held past record N, and a failure at any point (a write, the flush,
// the replacement of the old file) leaves the old file byte for byte as it was.
// Where the folder lets no new file be created beside the old one, or the disk
// (its quota, the size limit) has no room for that new file, an existing file
// that may be written is written into instead: the room for its new length
// is set aside and the process file-size limit checked before its first byte is
// touched, so that a full disk or a size limit leaves it as it was; should a write
// fail after that all the same, its old bytes and length are written back.
// Every text is checked first; an unencodable one throws UnencodableText with its
// record number and nothing is written. Throws Failure when the write fails, and
// when the path names something other than a regular file.
void writeRecords(const QString &path, const QStringList &cells);

// Writes the given records (number from 1 -> text) atomically like writeRecords; every
// other record keeps its bytes, and a gap between the old end of the file and a record
// written past it is filled with half-width blanks (empty cells).
void writeRecordsAt(const QString &path, const QMap<qint64, QString> &cells);

// Replaces the file by these bytes through a new file beside it, as writeRecords
// does first: on any failure there is no new file and the old one is as it was.
// Never writes into the file itself, whose bytes past the new ones would stay.
// Throws Failure.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Writes rows 1..R, columns 1..C of the table as records (r − 1) × C + c.
void writeTable(const QString &path, int rows, int columns, const TextTable &table);

// The device a save writes into before it replaces the file: a QSaveFile on the
// path. Tests put one in its place that fails on write, as a full disk does
// (with errno ENOSPC, which is how the save tells a disk without room).
using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString &path)>;
void setSaveFileFactory(SaveFileFactory factory); // empty: the real QSaveFile
// The device a save writes into when the folder takes no new file: a QFile, not
// yet open, that is opened on the existing file. Tests put one in its place that
// fails on write, as a failing disk does, or on allocate, as a full disk does.
class InPlaceFile : public QFile
{
public:
    // Makes the open file at least `length` bytes long with the disk space for all
    // of them set aside, so that writes up to there cannot run out of room.
    // Returns 0 or the errno of the failure (the file may then have grown).
    int reserve(qint64 length);

protected:
    // The file system's own reservation (fallocate): 0, or the errno; EOPNOTSUPP
    // or EINVAL where it has none, and reserve() writes zeros instead.
    virtual int allocate(qint64 length);
};
using InPlaceFileFactory = std::function<std::unique_ptr<InPlaceFile>()>;
void setInPlaceFileFactory(InPlaceFileFactory factory); // empty: the real InPlaceFile

} // namespace kb
