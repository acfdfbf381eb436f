#include "testenv.h"

#include "refdata.h"

#include <QDir>
#include <QFile>

namespace kb::test {

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

QString sourceDir()
{
    return qEnvironmentVariable("KB_SOURCE_DIR");
}

QString binDir()
{
    return qEnvironmentVariable("KB_BIN_DIR");
}

} // namespace kb::test
