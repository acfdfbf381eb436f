#pragma once

#include "datatext.h"
#include "fakedialogs.h"
#include "refdata.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kb::test {

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

// The source tree (for data/) and the folder of the built program and databases.
QString sourceDir();
QString binDir();

// A default database as its readable text in data/ gives it (fileName e.g. "CABLE-PIPE.txt"):
// the cells as written, and the table they make. Throws Failure when the file is missing.
QVector<DataTextCell> readDataCells(const char *fileName, const DatabaseShape &shape);
TextTable readDataText(const char *fileName, const DatabaseShape &shape);

} // namespace kb::test
