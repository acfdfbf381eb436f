#include "cellfile.h"
#include "testenv.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kb;

namespace {
QByteArray padded(const QByteArray &bytes, char pad = ' ')
{
    return bytes + QByteArray(kRecordSize - bytes.size(), pad);
}
} // namespace

TEST(CellCodec, EncodesCodePage932PaddedWithBlanks)
{
    struct Case { const char *text; QByteArray bytes; };
    const Case cases[] = {
        {"耐　火", padded(QByteArray::fromHex("91CF8140 89CE"))},
        {"CV5.5-3C", padded("CV5.5-3C")},
        {"ｹｰﾌﾞﾙ", padded(QByteArray::fromHex("B9B0CCDED9"))},
        {"", QByteArray(40, ' ')},
        {"12345678901234567890", padded("12345678901234567890")},
        {"1234567890123456789012345", padded("12345678901234567890")}, // cut to 20 characters
        {"電電電電電電電電電電電電電電電電電電電電", QByteArray::fromHex(QByteArray("9364").repeated(20))},
    };
    for (const Case &c : cases) {
        const QByteArray got = encodeCell(QString::fromUtf8(c.text));
        EXPECT_EQ(got.toHex(' '), c.bytes.toHex(' ')) << c.text;
    }
}

TEST(CellCodec, RefusesTextsCodePage932CannotHold)
{
    for (const char *text : {"😀", "한국어", "€"}) {
        EXPECT_FALSE(canEncodeCell(QString::fromUtf8(text))) << text;
        EXPECT_THROW(encodeCell(QString::fromUtf8(text)), UnencodableText) << text;
    }
    EXPECT_TRUE(canEncodeCell(QStringLiteral("ｹｰﾌﾞﾙ－～㎡")));
}

TEST(CellCodec, DecodingDropsHalfWidthBlanksAndNulsButKeepsFullWidthBlanks)
{
    struct Case { QByteArray bytes; const char *text; };
    const Case cases[] = {
        {padded("CV 5.5-3C"), "CV5.5-3C"},
        {QByteArray(40, ' '), ""},
        {padded(QByteArray::fromHex("91CF8140 89CE")), "耐　火"},
        {padded("END", '\0'), "END"},                 // zero-padded reads like blank-padded
        {QByteArray("AB"), "AB"},                      // a short last record
        {QByteArray(), ""},
        {padded(QByteArray::fromHex("FF41")), "\xEF\xBF\xBD" "A"}, // a stray byte does not end the cell
        {padded("12345678901234567890") .left(20) + QByteArray("ABCDEFGHIJKLMNOPQRST"), "12345678901234567890"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(decodeCell(c.bytes), QString::fromUtf8(c.text)) << c.bytes.toHex().constData();
}

TEST(CellFile, RecordsPastTheEndAndMissingFilesReadEmpty)
{
    test::TestFolder dir;
    const QString path = dir.path(QStringLiteral("t.qvx"));
    writeRecords(path, {QStringLiteral("A"), QStringLiteral("B")});
    CellFileReader reader(path);
    EXPECT_TRUE(reader.exists());
    EXPECT_EQ(reader.readCell(2), u"B");
    EXPECT_EQ(reader.readCell(3), u"");
    EXPECT_EQ(reader.readCell(15001), u"");

    CellFileReader missing(dir.path(QStringLiteral("none.qvx")));
    EXPECT_FALSE(missing.exists());
    EXPECT_EQ(missing.readCell(1), u"");
    EXPECT_FALSE(QFile::exists(dir.path(QStringLiteral("none.qvx")))); // not created
}

TEST(CellFile, TableAddressingIsRecordRowMinusOneTimesColumnsPlusColumn)
{
    test::TestFolder dir;
    const QString path = dir.path(QStringLiteral("size.qvx"));
    TextTable t(25, 300);
    t.set(1, 2, QStringLiteral("r2c1"));
    t.set(25, 1, QStringLiteral("r1c25"));
    writeTable(path, 300, 25, t);
    const QByteArray bytes = test::readBytes(path);
    ASSERT_EQ(bytes.size(), 300 * 25 * 40);
    EXPECT_EQ(bytes.mid(25 * 40, 40), padded("r2c1"));  // record 26
    EXPECT_EQ(bytes.mid(24 * 40, 40), padded("r1c25")); // record 25
    TextTable back(25, 300);
    readTable(path, 300, 25, back);
    EXPECT_EQ(back.at(1, 2), u"r2c1");
    EXPECT_EQ(back.at(25, 1), u"r1c25");
    EXPECT_THROW(back.at(26, 1), Failure);
    EXPECT_THROW(back.at(1, 0), Failure);
}

TEST(CellFile, SaveRewritesTheTableAndKeepsTheTail)
{
    test::TestFolder dir;
    const QString path = dir.path(QStringLiteral("pipe.qvx"));
    QByteArray old(700000, 'x');
    test::writeBytes(path, old);
    TextTable t(5, 3000);
    t.set(1, 1, QStringLiteral("G16"));
    writeTable(path, 3000, 5, t);
    const QByteArray now = test::readBytes(path);
    ASSERT_EQ(now.size(), 700000);
    EXPECT_EQ(now.left(40), padded("G16"));
    EXPECT_EQ(now.mid(40, 40), QByteArray(40, ' '));
    EXPECT_EQ(now.mid(600000), old.mid(600000));

    // A shorter file grows to the whole table.
    test::writeBytes(path, QByteArray(100, 'y'));
    writeTable(path, 3000, 5, t);
    EXPECT_EQ(test::readBytes(path).size(), 600000);
}

// A save of 16 KB or less sits in QSaveFile's buffer until the commit; one of more
// is written at once. Either way a disk that fills up part-way leaves the old file.
struct SaveCase
{
    const char *name;
    int records;
    qint64 room;
};
const SaveCase kSaveCases[] = {
    {"small", 50, 1000},       // 2 000 bytes, like a conduit result file
    {"large", 15000, 300000},  // 600 000 bytes, like CABLE-PIPE
};

QStringList numberedCells(int n)
{
    QStringList cells;
    for (int i = 1; i <= n; ++i)
        cells << QString::number(i);
    return cells;
}

// The disk fills up through the seam under the writer, or the kernel refuses to
// grow the file (the real failure, under QSaveFile's buffer): either way, small or large.
TEST(CellFile, ASaveThatRunsOutOfRoomFailsAndLeavesTheOldFile)
{
    for (const bool kernel : {false, true}) {
        for (const SaveCase &c : kSaveCases) {
            SCOPED_TRACE(std::string(kernel ? "file size limit, " : "full disk, ") + c.name);
            test::TestFolder dir;
            const QString path = dir.path(QStringLiteral("pipe.qvx"));
            const QByteArray old(700, 'o');
            test::writeBytes(path, old);
            {
                std::optional<test::FullDisk> disk;
                std::optional<test::FileSizeLimit> limit;
                if (kernel)
                    limit.emplace(quint64(c.room));
                else
                    disk.emplace(c.room);
                if (limit && !limit->active())
                    continue;
                EXPECT_THROW(writeRecords(path, numberedCells(c.records)), Failure);
                EXPECT_THROW(writeRecordsAt(path, {{1, QStringLiteral("A")}, {qint64(c.records), QStringLiteral("B")}}), Failure);
                if (disk)
                    EXPECT_EQ(disk->refusedSaves(), 2);
            }
            EXPECT_EQ(test::readBytes(path), old);
            EXPECT_EQ(QDir(dir.folder()).entryList(QDir::Files), QStringList{QStringLiteral("pipe.qvx")}); // no temporary file left

            writeRecords(path, numberedCells(c.records)); // room again: the same save goes through
            EXPECT_EQ(test::readBytes(path).size(), c.records * kRecordSize);
        }
    }
}

namespace {

// The saves a closed folder has to take: a whole table over a file with a tail,
// one that grows a short file, and single records into a long one.
struct InPlaceCase
{
    const char *name;
    QByteArray old;
    std::function<void(const QString &)> save;
};
const InPlaceCase kInPlaceCases[] = {
    {"table over a longer file", QByteArray(3000, 'o'), [](const QString &p) { writeRecords(p, numberedCells(50)); }},
    {"table over a shorter file", QByteArray(100, 'o'), [](const QString &p) { writeRecords(p, numberedCells(50)); }},
    {"records", QByteArray(3000, 'o'),
     [](const QString &p) { writeRecordsAt(p, {{2, QStringLiteral("配管")}, {90, QStringLiteral("末尾")}}); }},
};

struct stat statOf(const QString &path)
{
    struct stat st{};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

namespace {

// A file of the case in a folder that takes no new file, readable and writable
// by its owner only, and the bytes the case's save leaves (an atomic save elsewhere).
struct ClosedFolderFile
{
    test::TestFolder open, closed;
    QString path = closed.path(QStringLiteral("KAHOU.qvx"));
    QByteArray saved;
    ino_t inode = 0;

    explicit ClosedFolderFile(const InPlaceCase &c)
    {
        const QString elsewhere = open.path(QStringLiteral("KAHOU.qvx"));
        test::writeBytes(elsewhere, c.old);
        c.save(elsewhere);
        saved = test::readBytes(elsewhere);
        test::writeBytes(path, c.old);
        ::chmod(QFile::encodeName(path).constData(), 0640);
        inode = statOf(path).st_ino;
    }

    // The same file, with its mode, holding these bytes, alone in its folder.
    void expectHolds(const QByteArray &bytes) const
    {
        EXPECT_EQ(test::readBytes(path), bytes);
        EXPECT_EQ(statOf(path).st_ino, inode);
        EXPECT_EQ(statOf(path).st_mode & 07777, 0640u);
        EXPECT_EQ(QDir(closed.folder()).entryList(QDir::Files), QStringList{QStringLiteral("KAHOU.qvx")});
    }
};

} // namespace

// Where the folder takes no new file, the save goes into the file itself: the
// same bytes the atomic save would leave, in the same inode, with its permissions.
// The file has its new length before the first byte goes in, the room set aside,
// also on a file system that sets none aside, where zeros take it.
TEST(CellFile, AFolderThatTakesNoNewFileIsSavedIntoTheFileItself)
{
    for (const auto disk : {test::ClosedFolder::Sound, test::ClosedFolder::NoAllocate}) {
        for (const InPlaceCase &c : kInPlaceCases) {
            SCOPED_TRACE(std::string(c.name) + (disk == test::ClosedFolder::NoAllocate ? ", no room set aside" : ""));
            ClosedFolderFile file(c);
            {
                test::ClosedFolder folder(disk);
                c.save(file.path);
                EXPECT_EQ(folder.lengthAtFirstWrite(), file.saved.size());
            }
            file.expectHolds(file.saved);
        }
    }

    // No file to write into: nothing is created.
    test::TestFolder dir;
    const QString path = dir.path(QStringLiteral("KAHOU.qvx"));
    test::ClosedFolder folder;
    EXPECT_THROW(writeRecords(path, numberedCells(3)), Failure);
    EXPECT_FALSE(QFileInfo::exists(path));
}

// A save into the file itself that cannot finish leaves it byte for byte as it
// was, length included. A full disk stops it before its first byte is overwritten
// (overwriting the old bytes takes no room, so a file that does not grow is saved);
// a write that fails after that all the same has the old bytes written back.
TEST(CellFile, ASaveIntoTheFileItselfThatCannotFinishLeavesItAsItWas)
{
    struct Fault
    {
        const char *name;
        test::ClosedFolder::Disk disk;
        qint64 bytes;
    };
    const Fault faults[] = {
        {"full disk", test::ClosedFolder::Full, 10},
        {"write error at once", test::ClosedFolder::WriteError, 0},
        {"write error inside a record", test::ClosedFolder::WriteError, 1010},
    };
    for (const Fault &f : faults) {
        for (const InPlaceCase &c : kInPlaceCases) {
            SCOPED_TRACE(std::string(f.name) + ", " + c.name);
            ClosedFolderFile file(c);
            const bool fails = f.disk != test::ClosedFolder::Full || file.saved.size() > c.old.size();
            {
                test::ClosedFolder folder(f.disk, f.bytes);
                if (fails) {
                    EXPECT_THROW(c.save(file.path), Failure);
                    EXPECT_EQ(folder.refusedWrites(), 1);
                } else {
                    c.save(file.path);
                }
                if (f.disk == test::ClosedFolder::Full && fails)
                    EXPECT_EQ(folder.lengthAtFirstWrite(), -1); // nothing written
            }
            file.expectHolds(fails ? c.old : file.saved);
        }
    }
}

// A disk with room for what the file grows by but not for a copy of it: the save
// goes into the file itself, the same bytes the atomic save would leave. Where the
// file would grow past the room, it is refused and the file stays as it was.
TEST(CellFile, ADiskWithoutRoomForACopySavesIntoTheFileItself)
{
    constexpr qint64 room = 1000; // less than any of the files
    for (const InPlaceCase &c : kInPlaceCases) {
        SCOPED_TRACE(c.name);
        ClosedFolderFile file(c);
        const bool fits = file.saved.size() - c.old.size() <= room;
        {
            test::FullDisk disk(room);
            if (fits)
                c.save(file.path);
            else
                EXPECT_THROW(c.save(file.path), Failure);
            EXPECT_EQ(disk.refusedSaves(), 1);
            EXPECT_EQ(disk.refusedInPlace(), fits ? 0 : 1);
        }
        file.expectHolds(fits ? file.saved : c.old);
    }
}

// The process file-size limit (ulimit -f) stops every write past it, even inside
// the file, and by default ends the process with SIGXFSZ. A save that would reach
// past it fails before it writes: run in a child that keeps that default, a save
// that wrote first would end the child instead.
TEST(CellFile, ASavePastTheSizeLimitLeavesTheFileAsItWas)
{
    // The atomic save too: its new file would reach past the limit.
    for (const bool closed : {true, false})
    for (const InPlaceCase &c : kInPlaceCases) {
        SCOPED_TRACE(c.name);
        SCOPED_TRACE(closed ? "folder takes no new file" : "atomic save");
        ClosedFolderFile file(c);
        const rlim_t limit = rlim_t(qMin(c.old.size(), file.saved.size()) - 20); // inside a record
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit fsize{};
            ::getrlimit(RLIMIT_FSIZE, &fsize);
            fsize.rlim_cur = limit;
            if (::setrlimit(RLIMIT_FSIZE, &fsize) != 0)
                ::_exit(64);
            std::optional<test::ClosedFolder> folder;
            if (closed)
                folder.emplace();
            try {
                c.save(file.path);
            } catch (const Failure &) {
                ::_exit(0);
            }
            ::_exit(1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "the save ended the process with signal " << WTERMSIG(status);
        ASSERT_NE(WEXITSTATUS(status), 64) << "could not set the size limit";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the save past the limit was not refused";
        file.expectHolds(c.old);
    }
}

// A real folder closed to an ordinary user (root runs the saves as nobody): a file
// the user may write is saved into, one the user may not write is kept byte for byte.
TEST(CellFile, ARealFolderClosedToTheUserTakesTheSaveInTheFileItself)
{
    test::TestFolder dir;
    const bool root = ::geteuid() == 0;
    const QString writable = dir.path(QStringLiteral("CABLE-PIPE.qvx")), readOnly = dir.path(QStringLiteral("KAHOU.qvx"));
    const QByteArray old(3000, 'o');
    test::writeBytes(writable, old);
    test::writeBytes(readOnly, old);
    // Root writes any file; as nobody, root's file must be open to others.
    ::chmod(QFile::encodeName(writable).constData(), root ? 0666 : 0644);
    ::chmod(QFile::encodeName(readOnly).constData(), 0444);
    const ino_t before = statOf(writable).st_ino;

    // The folders on the way must let the user through; the folder itself takes no new file.
    QVector<QPair<QString, mode_t>> opened; // with their modes, given back at the end
    if (root) {
        for (QDir d(dir.folder()); d.cdUp();) {
            const struct stat st = statOf(d.path());
            if (st.st_uid == 0 && !(st.st_mode & S_IXOTH)) {
                opened.append({d.path(), st.st_mode & 07777});
                ::chmod(QFile::encodeName(d.path()).constData(), (st.st_mode & 07777) | 0011);
            }
            if (d.isRoot())
                break;
        }
    }
    const mode_t folderMode = statOf(dir.folder()).st_mode & 07777;
    ::chmod(QFile::encodeName(dir.folder()).constData(), 0555);

    // Each save's outcome as a bit: 1 the writable file saved, 2 the read-only one refused.
    const auto saves = [&] {
        int bits = 0;
        try {
            writeRecords(writable, numberedCells(50));
            bits |= 1;
        } catch (const Failure &) {
        }
        try {
            writeRecords(readOnly, numberedCells(50));
        } catch (const Failure &) {
            bits |= 2;
        }
        return bits;
    };
    int bits = 0;
    if (root) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(dropped ? saves() : 64);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        bits = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    } else {
        bits = saves();
    }
    for (const auto &[path, mode] : opened)
        ::chmod(QFile::encodeName(path).constData(), mode);
    ::chmod(QFile::encodeName(dir.folder()).constData(), folderMode);

    ASSERT_NE(bits, 64) << "could not become nobody";
    EXPECT_EQ(bits, 3);
    const QByteArray saved = test::readBytes(writable);
    ASSERT_EQ(saved.size(), 3000);
    EXPECT_EQ(saved.left(40), padded("1"));
    EXPECT_EQ(saved.mid(2000), old.mid(2000));
    EXPECT_EQ(statOf(writable).st_ino, before);
    EXPECT_EQ(test::readBytes(readOnly), old);
    EXPECT_EQ(QDir(dir.folder()).entryList(QDir::Files).size(), 2);
}

TEST(CellFile, ARefusedTextNamesItsRecordAndWritesNothing)
{
    test::TestFolder dir;
    const QString path = dir.path(QStringLiteral("pipe.qvx"));
    const QByteArray old(1000, 'o');
    test::writeBytes(path, old);
    try {
        writeRecords(path, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("😀"), QStringLiteral("€")});
        ADD_FAILURE() << "no refusal";
    } catch (const UnencodableText &e) {
        EXPECT_EQ(e.record(), 3);
        EXPECT_EQ(e.text(), u"😀");
    }
    try {
        writeRecordsAt(path, {{1, QStringLiteral("A")}, {7, QStringLiteral("한")}});
        ADD_FAILURE() << "no refusal";
    } catch (const UnencodableText &e) {
        EXPECT_EQ(e.record(), 7);
    }
    EXPECT_EQ(test::readBytes(path), old);
    EXPECT_THROW(writeRecords(dir.path(QStringLiteral("no/such/folder.qvx")), {QStringLiteral("A")}), Failure);
}

// A FIFO would block an open for ever; a folder or a device is no cell file.
TEST(CellFile, AnythingButARegularFileIsRefusedWithoutBlocking)
{
    test::TestFolder dir;
    const QString fifo = dir.path(QStringLiteral("CABLE-PIPE.qvx"));
    test::Fifo guard(fifo);
    ASSERT_TRUE(guard.made());
    for (const QString &path : {fifo, dir.folder()}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_THROW(CellFileReader{path}, Failure);
        EXPECT_THROW(writeRecords(path, {QStringLiteral("A")}), Failure);
    }
    // A device is only read here: a save that let it through would replace it.
    EXPECT_THROW(CellFileReader{QStringLiteral("/dev/null")}, Failure);
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile()); // not replaced by a save

    // Through a link too; a regular file behind a link reads as usual.
    const QString link = dir.path(QStringLiteral("link.qvx"));
    ASSERT_TRUE(QFile::link(fifo, link));
    EXPECT_THROW(CellFileReader{link}, Failure);
    EXPECT_FALSE(guard.fired());

    writeRecords(dir.path(QStringLiteral("real.qvx")), {QStringLiteral("A")});
    const QString realLink = dir.path(QStringLiteral("real-link.qvx"));
    ASSERT_TRUE(QFile::link(dir.path(QStringLiteral("real.qvx")), realLink));
    EXPECT_EQ(CellFileReader(realLink).readCell(1), u"A");
}
