#include "cellfile.h"

#include "numtext.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <iconv.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kb {

namespace {

// One converter each way, opened once. The program is single-threaded, but a
// thread_local keeps tests and tools safe too.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == iconv_t(-1))
            throw Failure(QStringLiteral("iconv cannot convert %1 to %2").arg(QLatin1String(from), QLatin1String(to)));
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts in; returns false at the first invalid or unconvertible sequence
    // (with *consumed the bytes used up to there).
    bool convert(const char *in, size_t inSize, QByteArray &out, size_t *consumed)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out.resize(qsizetype(inSize * 2 + 8));
        char *src = const_cast<char *>(in);
        size_t srcLeft = inSize;
        char *dst = out.data();
        size_t dstLeft = size_t(out.size());
        const size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
        out.resize(qsizetype(dst - out.data()));
        if (consumed)
            *consumed = inSize - srcLeft;
        return r != size_t(-1);
    }

private:
    iconv_t m_cd;
};

Converter &toCp932()
{
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

Converter &fromCp932()
{
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

QString cut(const QString &text)
{
    return text.size() > kCellChars ? text.left(kCellChars) : text;
}

bool encodeInto(const QString &text, QByteArray &out)
{
    const QString t = cut(text);
    return toCp932().convert(reinterpret_cast<const char *>(t.utf16()), size_t(t.size()) * 2, out, nullptr);
}

SaveFileFactory g_saveFileFactory;
InPlaceFileFactory g_inPlaceFileFactory;

// Opens an existing file for reading (or, with ReadWrite, for writing into it), or
// returns false; never creates or truncates one. A FIFO would block the open until
// a writer came, and a device or folder is no cell file: anything but a regular
// file is refused before it is opened, and checked again on the open handle in
// case it was swapped in between.
bool openRegularFile(QFile &file, const QString &path, QIODevice::OpenMode mode = QIODevice::ReadOnly)
{
    if (!QFileInfo(path).isFile())
        return false;
#ifdef Q_OS_UNIX
    const int access = mode & QIODevice::WriteOnly ? O_RDWR : O_RDONLY;
    const int fd = ::open(QFile::encodeName(path).constData(), access | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0
        || !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return file.open(mode | QIODevice::ExistingOnly);
#endif
}

} // namespace

bool canEncodeCell(const QString &text)
{
    QByteArray out;
    return encodeInto(text, out);
}

QByteArray encodeCell(const QString &text)
{
    QByteArray out;
    if (!encodeInto(text, out) || out.size() > kRecordSize)
        throw UnencodableText(text);
    out.append(QByteArray(kRecordSize - out.size(), ' '));
    return out;
}

QString decodeCell(const char *bytes, int size)
{
    if (size > kRecordSize)
        size = kRecordSize;
    QString text;
    bool ascii = true;
    for (int i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        text = QString::fromLatin1(bytes, size);
    } else {
        // Decode piecewise so that a stray byte becomes the unreadable mark instead of ending the
        // cell: the cell shows what it can, and no figure is read from it.
        QByteArray out;
        const char *p = bytes;
        size_t left = size_t(size);
        while (left > 0) {
            size_t used = 0;
            const bool ok = fromCp932().convert(p, left, out, &used);
            text.append(QString::fromUtf16(reinterpret_cast<const char16_t *>(out.constData()), out.size() / 2));
            p += used;
            left -= used;
            if (ok)
                break;
            text.append(kUnreadableMark);
            ++p;
            --left;
        }
    }
    if (text.size() > kCellChars)
        text.truncate(kCellChars);
    text.remove(QLatin1Char(' '));
    text.remove(QChar(0));
    return text;
}

CellFileReader::CellFileReader(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    QFile file;
    if (!openRegularFile(file, path))
        throw Failure(QStringLiteral("cannot open ") + path);
    m_bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(QStringLiteral("cannot read ") + path);
    m_exists = true;
}

QString CellFileReader::readCell(qint64 n) const
{
    if (n < 1)
        throw Failure(QStringLiteral("bad record number"));
    const qint64 offset = (n - 1) * kRecordSize;
    if (offset >= m_bytes.size())
        return QString();
    const qint64 avail = qMin<qint64>(kRecordSize, m_bytes.size() - offset);
    return decodeCell(m_bytes.constData() + offset, int(avail));
}

void readTable(const QString &path, int rows, int columns, TextTable &table)
{
    const CellFileReader reader(path);
    qint64 record = 1;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            table.set(c, r, reader.readCell(record++));
}

namespace {

std::unique_ptr<QSaveFile> newSaveFile(const QString &path)
{
    return g_saveFileFactory ? g_saveFileFactory(path) : std::make_unique<QSaveFile>(path);
}

std::unique_ptr<InPlaceFile> newInPlaceFile()
{
    return g_inPlaceFileFactory ? g_inPlaceFileFactory() : std::make_unique<InPlaceFile>();
}

// The errno of the file's operation that has just failed. Qt keeps none of its
// own, but tells a full disk apart.
int failureOf(const QFileDevice &file)
{
    const int e = errno;
    return file.error() == QFileDevice::ResourceError ? ENOSPC : e ? e : EIO;
}

// Writes every byte and flushes: 0, or the errno of the first write or flush that failed.
int writeAll(QFileDevice &file, const QByteArray &all)
{
    const char *p = all.constData();
    qint64 left = all.size();
    while (left > 0) {
        errno = 0;
        const qint64 n = file.write(p, left);
        if (n <= 0)
            return failureOf(file);
        p += n;
        left -= n;
    }
    errno = 0;
    return file.flush() && file.error() == QFileDevice::NoError ? 0 : failureOf(file);
}

// A full disk, a full quota or the size limit: the file would fit where there is room.
bool isLackOfRoom(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

qint64 sizeOf(int fd)
{
    struct stat st;
    return ::fstat(fd, &st) == 0 ? qint64(st.st_size) : -1;
}

// Reads `size` bytes from offset; fewer when the file ends or a read fails.
QByteArray readAt(int fd, qint64 offset, qint64 size)
{
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(size - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    bytes.truncate(qsizetype(done));
    return bytes;
}

// Writes every byte at offset: 0, or the errno of the write that failed.
int writeAt(int fd, const char *bytes, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, bytes, size_t(size), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        bytes += n;
        size -= n;
        offset += n;
    }
    return 0;
}

bool truncateTo(int fd, qint64 length)
{
    if (sizeOf(fd) == length)
        return true;
    int r;
    do
        r = ::ftruncate(fd, off_t(length));
    while (r != 0 && errno == EINTR);
    return r == 0;
}

// The process file-size limit stops every write that reaches past it, even inside
// the existing file, and by default ends the process with SIGXFSZ: checked first.
bool withinSizeLimit(qint64 end)
{
    rlimit limit{};
    return ::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || rlim_t(end) <= limit.rlim_cur;
}

// Writes the old bytes back from the start and cuts the file to its old length.
// Each block is tried on its own, so that one that fails again (a bad sector)
// keeps no other from coming back; false when any block or the cut failed.
bool putBack(int fd, const QByteArray &old, qint64 oldSize)
{
    constexpr qint64 kBlock = 4096;
    bool whole = true;
    for (qint64 at = 0; at < old.size(); at += kBlock)
        whole = writeAt(fd, old.constData() + at, qMin(kBlock, qint64(old.size()) - at), at) == 0 && whole;
    return truncateTo(fd, oldSize) && whole;
}

// Writes the bytes over the existing file from its start: it keeps its inode,
// owner and permissions, and the bytes past the new ones. Its first byte is
// overwritten only once the file can take them all: within the size limit and
// with the disk space set aside; a failure up to there leaves it as it was. A
// write that fails after that all the same (an I/O error) has the old bytes of
// the range and the old length written back.
void writeInPlace(const QString &path, const QByteArray &all)
{
    const std::unique_ptr<InPlaceFile> file = newInPlaceFile();
    if (!openRegularFile(*file, path, QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw Failure(QStringLiteral("cannot write ") + path);
    const int fd = file->handle();
    const qint64 oldSize = sizeOf(fd);
    const qint64 kept = qMin(oldSize, qint64(all.size()));
    const QByteArray old = oldSize < 0 ? QByteArray() : readAt(fd, 0, kept);
    if (oldSize < 0 || old.size() != kept)
        throw Failure(QStringLiteral("cannot read ") + path);
    if (!withinSizeLimit(all.size()) || file->reserve(all.size()) != 0) {
        truncateTo(fd, oldSize); // a reservation that failed part-way may have grown it
        throw Failure(QStringLiteral("no room to write ") + path);
    }
    if (writeAll(*file, all) != 0) {
        const bool restored = putBack(fd, old, oldSize);
        throw Failure(QStringLiteral("cannot write ") + path + (restored ? QString() : QStringLiteral(", old bytes not all written back")));
    }
}

enum class Atomic { Saved, NoNewFile, NoRoom };

// Replaces the file by these bytes through a new file beside it: on any failure the
// old file stays as it was. Where the folder takes no new file, or the disk no copy,
// says so; throws Failure on any other failure.
// Unbuffered, because QSaveFile keeps a small write in its buffer and a failure to flush
// it on a full disk would not stop commit() from replacing the old file.
Atomic replaceFile(const QString &path, const QByteArray &all)
{
    // The new file is as long as the save: past the size limit its write would fail,
    // or end a program that has not taken the signal.
    if (!withinSizeLimit(all.size()))
        throw Failure(QStringLiteral("no room to write ") + path);
    const std::unique_ptr<QSaveFile> file = newSaveFile(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Atomic::NoNewFile;
    if (const int error = writeAll(*file, all)) {
        file->cancelWriting();
        if (isLackOfRoom(error))
            return Atomic::NoRoom;
        throw Failure(QStringLiteral("cannot write ") + path);
    }
    errno = 0;
    if (!file->commit()) {
        // A file system that takes the bytes and runs out of room only as it closes the file.
        if (isLackOfRoom(failureOf(*file)))
            return Atomic::NoRoom;
        throw Failure(QStringLiteral("cannot write ") + path);
    }
    return Atomic::Saved;
}

// Replaces the file by these bytes atomically. Where the folder takes no new file
// (a program folder shared read-only with writable databases), or the disk has no
// room for a second copy, the bytes go into the file itself, which needs room only
// for what it grows by.
void commitFile(const QString &path, const QByteArray &all)
{
    if (replaceFile(path, all) != Atomic::Saved)
        writeInPlace(path, all);
}

// encodeCell for record n: a refusal names the record.
QByteArray encodeRecord(const QString &text, qint64 n)
{
    try {
        return encodeCell(text);
    } catch (const UnencodableText &) {
        throw UnencodableText(text, n);
    }
}

// The old file's bytes from offset on (empty when it is missing or shorter).
QByteArray oldBytes(const QString &path, qint64 offset)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile old;
    if (!openRegularFile(old, path))
        throw Failure(QStringLiteral("cannot open ") + path);
    if (old.size() <= offset)
        return {};
    if (!old.seek(offset))
        throw Failure(QStringLiteral("cannot read ") + path);
    return old.readAll();
}

} // namespace

void writeRecords(const QString &path, const QStringList &cells)
{
    QByteArray body;
    body.reserve(qsizetype(cells.size()) * kRecordSize);
    for (qsizetype i = 0; i < cells.size(); ++i)
        body.append(encodeRecord(cells[i], i + 1)); // throws before anything is written
    commitFile(path, body + oldBytes(path, body.size()));
}

void writeRecordsAt(const QString &path, const QMap<qint64, QString> &cells)
{
    QMap<qint64, QByteArray> records;
    for (auto it = cells.begin(); it != cells.end(); ++it) {
        if (it.key() < 1)
            throw Failure(QStringLiteral("record number below 1"));
        records.insert(it.key(), encodeRecord(it.value(), it.key())); // throws before anything is written
    }
    QByteArray all = oldBytes(path, 0);
    const qint64 end = records.isEmpty() ? 0 : records.lastKey() * kRecordSize;
    if (all.size() < end)
        all.append(QByteArray(qsizetype(end - all.size()), ' '));
    for (auto it = records.begin(); it != records.end(); ++it)
        all.replace(qsizetype((it.key() - 1) * kRecordSize), kRecordSize, it.value());
    commitFile(path, all);
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (replaceFile(path, bytes) != Atomic::Saved)
        throw Failure(QStringLiteral("cannot write ") + path);
}

void writeTable(const QString &path, int rows, int columns, const TextTable &table)
{
    QStringList cells;
    cells.reserve(qsizetype(rows) * columns);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            cells.append(table.at(c, r));
    writeRecords(path, cells);
}

void setSaveFileFactory(SaveFileFactory factory)
{
    g_saveFileFactory = std::move(factory);
}

int InPlaceFile::reserve(qint64 length)
{
    if (length <= 0)
        return 0;
    const int r = allocate(length);
    if (r != EOPNOTSUPP && r != EINVAL)
        return r;
    // No reservation in this file system: zeros past the old end, forced to the disk, take the room.
    const qint64 end = sizeOf(handle());
    if (end < 0)
        return errno;
    if (end >= length)
        return 0;
    const QByteArray zeros(qsizetype(length - end), '\0');
    if (const int w = writeAt(handle(), zeros.constData(), zeros.size(), end))
        return w;
    return ::fdatasync(handle()) == 0 ? 0 : errno;
}

int InPlaceFile::allocate(qint64 length)
{
    int r;
#ifdef Q_OS_LINUX
    // Linux's own call, so that a file system without it is seen: glibc's posix_fallocate
    // would fall back on its own to writes that nothing forces to the disk.
    do
        r = ::fallocate(handle(), 0, 0, off_t(length)) == 0 ? 0 : errno;
    while (r == EINTR);
#else
    do
        r = ::posix_fallocate(handle(), 0, off_t(length));
    while (r == EINTR);
#endif
    return r;
}

void setInPlaceFileFactory(InPlaceFileFactory factory)
{
    g_inPlaceFileFactory = std::move(factory);
}

} // namespace kb
