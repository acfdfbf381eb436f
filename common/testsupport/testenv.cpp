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

} // namespace kb::test
