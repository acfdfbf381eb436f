#pragma once

#include "datatext.h"
#include "fakedialogs.h"
#include "refdata.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <gtest/gtest.h>

namespace kb::test {

// The test program's own folder for the run, made before the application: the
// temporary folder (TMPDIR) and the user's cache folder (XDG_CACHE_HOME, where
// exported workbooks go) point into it, so no test leaves a file outside. A file
// left loose in that temporary folder fails the run; the folder goes at the end.
class TestRun
{
public:
    TestRun();
    // The program's exit code: rc, or 1 when a test left a file behind.
    int finish(int rc);
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// A fresh folder for the databases and result files of one test, set as the
// database folder for the test's lifetime, with recording dialogs installed.
class TestFolder
{
public:
    TestFolder();
    ~TestFolder();
    QString path(const QString &name) const;
    QString folder() const { return m_dir.path(); }
    FakeDialogs &fake() { return m_fake; }
    const QStringList &messages() const { return m_fake.messages; }

private:
    QTemporaryDir m_dir;
    FakeDialogs m_fake;
};

// A window's control by its objectName; a missing one fails the test (and gives null).
template<class T>
T *child(const QObject *window, const char *name)
{
    T *c = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
// Puts these bytes, padded with blanks, into cell (row, column) of a cell file of
// `columns` columns as they stand: a cell damaged on disk, which no writer makes.
void writeCellBytes(const QString &path, int columns, int row, int column, const QByteArray &bytes);

// The source tree (for data/) and the folder of the built program and databases.
QString sourceDir();
QString binDir();

// A default database as its readable text in data/ gives it (fileName e.g. "CABLE-PIPE.txt"):
// the cells as written, and the table they make. Throws Failure when the file is missing.
QVector<DataTextCell> readDataCells(const char *fileName, const DatabaseShape &shape);
TextTable readDataText(const char *fileName, const DatabaseShape &shape);

// --- fault injection ------------------------------------------------------------
// While it lives, every save's QSaveFile takes the first `room` bytes and then
// fails each write as a full disk does (the writes before it reach the file); a
// save into the file itself may grow it by `room` bytes.
class FullDisk
{
public:
    explicit FullDisk(qint64 room);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    // Saves whose new file ran into the full disk so far.
    int refusedSaves() const { return m_refused; }
    // Saves into the file itself that the full disk refused so far.
    int refusedInPlace() const { return m_refusedInPlace; }

private:
    int m_refused = 0;
    int m_refusedInPlace = 0;
    qint64 m_lengthAtFirstWrite = -1;
};

// While it lives, no save can make its new file beside the old one, as in a
// folder closed to the user: the save goes into the file itself, on a disk that
// may fail it.
class ClosedFolder
{
public:
    enum Disk {
        Sound,
        Full,       // `bytes` free: setting aside room for more fails, the file grown by what was free
        WriteError, // the file takes `bytes` bytes of the save, then each write fails
        NoAllocate, // the file system sets no room aside; the save writes zeros to take it
    };
    explicit ClosedFolder(Disk disk = Sound, qint64 bytes = 0);
    ~ClosedFolder();
    ClosedFolder(const ClosedFolder &) = delete;
    ClosedFolder &operator=(const ClosedFolder &) = delete;

    // Saves into the file itself that the disk failed so far.
    int refusedWrites() const { return m_refused; }
    // The file's length when a save first wrote its bytes into it, -1 before
    // (zeros that take the room not counted).
    qint64 lengthAtFirstWrite() const { return m_lengthAtFirstWrite; }

private:
    int m_refused = 0;
    qint64 m_lengthAtFirstWrite = -1;
};

// While it lives, the kernel refuses to grow any file of this process past `bytes`
// (RLIMIT_FSIZE, its signal ignored): the real failure under QSaveFile, buffer and all.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(quint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool active() const { return m_active; }

private:
    bool m_active = false;
    quint64 m_oldSoft = 0;
    void (*m_oldHandler)(int) = nullptr;
};


// A FIFO made in a test folder, with a watchdog: should anything open it for reading
// and block, the watchdog opens its other end every few seconds so that the test
// ends (and fails on fired()) instead of hanging the suite.
class Fifo
{
public:
    explicit Fifo(const QString &path, int seconds = 5);
    ~Fifo();
    Fifo(const Fifo &) = delete;
    Fifo &operator=(const Fifo &) = delete;
    bool made() const { return m_made; }
    bool fired() const { return m_fired; }

private:
    QString m_path;
    bool m_made = false;
    std::atomic<bool> m_fired{false};
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_stop = false;
    std::thread m_watchdog;
};

} // namespace kb::test
