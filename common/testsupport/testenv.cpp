#include "testenv.h"

#include "refdata.h"

#include "cellfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <limits>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kb::test {

TestRun::TestRun() : m_dir(QDir(QDir::tempPath()).filePath(QStringLiteral("kembrel-test-XXXXXX")))
{
    if (!m_dir.isValid())
        return;
    const QDir dir(m_dir.path());
    for (const char *name : {"tmp", "cache"})
        dir.mkdir(QLatin1String(name));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath(QStringLiteral("tmp"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
}

int TestRun::finish(int rc)
{
    const QDir tmp(QDir(m_dir.path()).filePath(QStringLiteral("tmp")));
    const QStringList loose = tmp.entryList(QDir::Files | QDir::Hidden);
    if (loose.isEmpty())
        return rc;
    std::fprintf(stderr, "A test left files in the temporary folder: %s\n", qPrintable(loose.join(QStringLiteral(", "))));
    return rc ? rc : 1;
}

TestFolder::TestFolder()
{
    setDatabaseFolder(m_dir.path());
    setDialogs(&m_fake);
}

TestFolder::~TestFolder()
{
    setDatabaseFolder(QString());
    setDialogs(nullptr);
    setAppTitle(QStringLiteral("Kembrel"));
}

QString TestFolder::path(const QString &name) const
{
    return QDir(m_dir.path()).filePath(name);
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void writeCellBytes(const QString &path, int columns, int row, int column, const QByteArray &bytes)
{
    QByteArray file = readBytes(path);
    const qsizetype at = (qsizetype(row - 1) * columns + column - 1) * kRecordSize;
    if (file.size() < at + kRecordSize)
        file.resize(at + kRecordSize, ' ');
    file.replace(at, kRecordSize, bytes.leftJustified(kRecordSize, ' ', true));
    writeBytes(path, file);
}

QString sourceDir()
{
    return qEnvironmentVariable("KB_SOURCE_DIR");
}

QString binDir()
{
    return qEnvironmentVariable("KB_BIN_DIR");
}

QVector<DataTextCell> readDataCells(const char *fileName, const DatabaseShape &shape)
{
    const QString name = QStringLiteral("data/") + QLatin1String(fileName);
    QFile f(QDir(sourceDir()).filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        throw Failure(name + QStringLiteral(" is missing"));
    return parseDataText(QString::fromUtf8(f.readAll()), shape.fileRows, shape.columns);
}

TextTable readDataText(const char *fileName, const DatabaseShape &shape)
{
    return dataTextTable(readDataCells(fileName, shape), shape.fileRows, shape.columns);
}

// --- fault injection ------------------------------------------------------------
namespace {

constexpr qint64 kFileBuffer = 16384;

// A file device on a disk that takes `room` more bytes, then fails each write.
template<class Base>
class FullDiskFile : public Base
{
public:
    template<class... Args>
    FullDiskFile(qint64 room, int &refused, Args &&...args) : Base(std::forward<Args>(args)...), m_room(room), m_refused(refused)
    {
    }

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        const qint64 fits = qBound<qint64>(0, m_room, len);
        const qint64 written = fits > 0 ? Base::writeData(data, fits) : 0;
        if (written > 0)
            m_room -= written;
        if (fits == len)
            return written;
        if (!m_counted)
            ++m_refused;
        m_counted = true;
        // QFileDevice keeps a write of up to 16 KB in its buffer and reports it written;
        // the disk refuses it only at the flush, which QSaveFile::commit() does not check.
        if (!(this->openMode() & QIODevice::Unbuffered) && len <= kFileBuffer)
            return len;
        this->setErrorString(QStringLiteral("No space left on device"));
        errno = ENOSPC; // what the kernel's write leaves, the one trace of the cause Qt keeps
        return written > 0 ? written : -1;
    }

private:
    qint64 m_room;
    int &m_refused;
    bool m_counted = false;
};

using FullDiskSaveFile = FullDiskFile<QSaveFile>;

// A save file in a folder that takes no new file: it cannot be opened.
class ClosedFolderSaveFile : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;
    bool open(OpenMode) override
    {
        setErrorString(QStringLiteral("Permission denied"));
        return false;
    }
};

// The file a save writes into when the folder takes no new file, on a disk that fails it.
class FaultyInPlaceFile final : public FullDiskFile<InPlaceFile>
{
public:
    FaultyInPlaceFile(ClosedFolder::Disk disk, qint64 bytes, int &refused, qint64 &lengthAtFirstWrite)
        : FullDiskFile<InPlaceFile>(disk == ClosedFolder::WriteError ? bytes : std::numeric_limits<qint64>::max(), refused),
          m_disk(disk), m_free(bytes), m_refused(refused), m_lengthAtFirstWrite(lengthAtFirstWrite)
    {
    }

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        struct stat st{};
        if (m_lengthAtFirstWrite < 0 && ::fstat(handle(), &st) == 0)
            m_lengthAtFirstWrite = st.st_size;
        return FullDiskFile<InPlaceFile>::writeData(data, len);
    }
    int allocate(qint64 length) override
    {
        if (m_disk == ClosedFolder::NoAllocate)
            return EOPNOTSUPP;
        struct stat st{};
        if (m_disk == ClosedFolder::Full && ::fstat(handle(), &st) == 0 && length - st.st_size > m_free) {
            ++m_refused;
            // A reservation that runs out part-way can leave the file longer.
            return ::ftruncate(handle(), st.st_size + m_free) == 0 ? ENOSPC : errno;
        }
        return InPlaceFile::allocate(length);
    }

private:
    ClosedFolder::Disk m_disk;
    qint64 m_free;
    int &m_refused;
    qint64 &m_lengthAtFirstWrite;
};

} // namespace

FullDisk::FullDisk(qint64 room)
{
    setSaveFileFactory([this, room](const QString &path) -> std::unique_ptr<QSaveFile> {
        return std::make_unique<FullDiskSaveFile>(room, m_refused, path);
    });
    // The same disk under a save into the file itself: the file may grow by `room`.
    setInPlaceFileFactory([this, room]() -> std::unique_ptr<InPlaceFile> {
        return std::make_unique<FaultyInPlaceFile>(ClosedFolder::Full, room, m_refusedInPlace, m_lengthAtFirstWrite);
    });
}

FullDisk::~FullDisk()
{
    setSaveFileFactory(nullptr);
    setInPlaceFileFactory(nullptr);
}

ClosedFolder::ClosedFolder(Disk disk, qint64 bytes)
{
    setSaveFileFactory([](const QString &path) -> std::unique_ptr<QSaveFile> {
        return std::make_unique<ClosedFolderSaveFile>(path);
    });
    setInPlaceFileFactory([this, disk, bytes]() -> std::unique_ptr<InPlaceFile> {
        return std::make_unique<FaultyInPlaceFile>(disk, bytes, m_refused, m_lengthAtFirstWrite);
    });
}

ClosedFolder::~ClosedFolder()
{
    setSaveFileFactory(nullptr);
    setInPlaceFileFactory(nullptr);
}

FileSizeLimit::FileSizeLimit(quint64 bytes)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_oldSoft = limit.rlim_cur;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the process
    limit.rlim_cur = rlim_t(bytes);
    m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (m_active) {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(m_oldSoft);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::signal(SIGXFSZ, m_oldHandler ? m_oldHandler : SIG_DFL);
}


Fifo::Fifo(const QString &path, int seconds) : m_path(path)
{
    m_made = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (!m_made)
        return;
    m_watchdog = std::thread([this, seconds] {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_stop; })) {
            // Someone is stuck in open(): a writer that comes and goes lets it read the end.
            const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                m_fired = true;
                ::close(fd);
            }
        }
    });
}

Fifo::~Fifo()
{
    if (m_watchdog.joinable()) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_done.notify_all();
        m_watchdog.join();
    }
    if (m_made)
        ::unlink(QFile::encodeName(m_path).constData());
}

} // namespace kb::test
