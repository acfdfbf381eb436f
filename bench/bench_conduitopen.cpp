// 開く of the conduit window: a result file of 100 rows whose cables stand at the end of
// 2700 cable rows, so every row's name is looked up across the whole table. Aim: within a frame.

#include "conduitresultfile.h"
#include "dialogs.h"
#include "form1model.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Answers every file dialog with one path; no box waits.
class FixedFile : public kb::Dialogs
{
public:
    explicit FixedFile(QString path) : m_path(std::move(path)) {}
    void message(const QString &) override {}
    QString fileName(QObject *, const QString &, const QString &, bool) override { return m_path; }
    QPagedPaintDevice *choosePrinter(QObject *) override { return nullptr; }
    bool openDocument(const QString &) override { return false; }
    bool startProgram(const QString &) override { return false; }

private:
    QString m_path;
};

void conduitOpen100(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"r.qvx"_qs);
    kb::Form1Model m;
    for (int r = 301; r <= 3000; ++r) {
        m.CABLE_DATA.set(1, r, u"CV"_qs + QString::number(r) + u"-3C"_qs);
        m.CABLE_DATA.set(4, r, u"3"_qs);
        m.CABLE_DATA.set(5, r, u"900"_qs);
    }
    QStringList cells;
    for (int i = 0; i < kb::kMaxCables; ++i)
        cells << u"CV"_qs + QString::number(2901 + i) + u"-3C"_qs << QString() << u"380"_qs << u"22"_qs << u"22"_qs
              << u"380"_qs << u"1"_qs << u"900"_qs;
    kb::ConduitResultFile::save(path, u"bench"_qs, kb::kMaxCables, 32, cells);
    FixedFile dialogs(path);
    kb::setDialogs(&dialogs);
    m.IDM_DOPEN_Click();
    if (m.TOROKU_SUU != kb::kMaxCables) {
        state.SkipWithError("set-up failed");
        kb::setDialogs(nullptr);
        return;
    }
    for (auto _ : state) {
        m.IDM_DOPEN_Click();
        benchmark::DoNotOptimize(m.MSFlexGrid1.textMatrix(100, 9));
    }
    kb::setDialogs(nullptr);
}

} // namespace

BENCHMARK(conduitOpen100)->Unit(benchmark::kMillisecond);
