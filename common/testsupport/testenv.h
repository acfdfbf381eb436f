#pragma once

#include "fakedialogs.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// The source tree (for data/) and the folder of the built program and databases.
QString sourceDir();
QString binDir();

} // namespace kb::test
