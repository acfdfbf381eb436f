#include "refdata.h"

#include "cellfile.h"
#include "numtext.h"

#include <QCoreApplication>
#include <QDir>

namespace kb {

namespace {
QString g_folder;
}

QString databaseFolder()
{
    if (!g_folder.isEmpty())
        return g_folder;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

void setDatabaseFolder(const QString &folder)
{
    g_folder = folder;
}

QString databasePath(const DatabaseShape &shape)
{
    return QDir(databaseFolder()).filePath(QLatin1String(shape.fileName));
}

void loadDatabase(const DatabaseShape &shape, TextTable &table)
{
    const CellFileReader reader(databasePath(shape));
    qint64 record = 1;
    for (int r = 1; r <= shape.loadRows; ++r) {
        for (int c = 1; c <= shape.columns; ++c, ++record) {
            if (c <= shape.loadColumns)
                table.set(c, r, reader.readCell(record));
        }
    }
}

bool isEndMarker(const QString &cell)
{
    return sameText(cell, QStringLiteral("END"));
}

QStringList cableNameList(const TextTable &cablePipe, CableKind kind, bool eco)
{
    const int first = eco ? cablepipe::EcoListFirst : cablepipe::GeneralListFirst;
    QStringList names;
    names.reserve(cablepipe::ListLength);
    for (int r = first; r < first + cablepipe::ListLength; ++r)
        names.append(cablePipe.at(int(kind), r));
    return names;
}

CableRow cableRow(const TextTable &t, int row)
{
    return CableRow{row, t.at(1, row), t.at(2, row), t.at(3, row), t.at(4, row), t.at(5, row)};
}

int findCableRow(const TextTable &t, const QString &name)
{
    for (int r = cablepipe::CableFirst; r <= cablepipe::CableLast && r <= t.rows(); ++r) {
        const QString &cell = t.at(1, r);
        if (isEndMarker(cell))
            return 0;
        if (sameText(cell, name))
            return r;
    }
    return 0;
}

CableRowIndex::CableRowIndex(const TextTable &t)
{
    for (int r = cablepipe::CableFirst; r <= cablepipe::CableLast && r <= t.rows(); ++r) {
        const QString &cell = t.at(1, r);
        if (isEndMarker(cell))
            break;
        const QString key = foldText(cell);
        if (!m_rows.contains(key)) // the first row of a name is the one found
            m_rows.insert(key, r);
    }
}

int CableRowIndex::find(const QString &name) const
{
    return m_rows.value(foldText(name), 0);
}

AllowableCurrentRow allowableCurrentRow(const TextTable &t, int row)
{
    return AllowableCurrentRow{row, t.at(1, row), t.at(2, row), t.at(3, row), t.at(4, row), t.at(5, row), t.at(6, row)};
}

} // namespace kb
