// The database editor opening and saving the largest database, CABLE-PIPE
// (3000 rows × 5 columns, 15 000 cells), on a copy of the file beside the program.
// Run: build/bin/kb_bench --benchmark_filter=Editor

#include "cellfile.h"
#include "form8model.h"
#include "refdata.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A copy of the default CABLE-PIPE set as the database folder for one benchmark.
class CopiedDatabase
{
public:
    CopiedDatabase()
    {
        const QString source = kb::databasePath(kb::db::CablePipe);
        m_ok = QFile::copy(source, m_dir.filePath(QLatin1String(kb::db::CablePipe.fileName)));
        kb::setDatabaseFolder(m_dir.path());
    }
    ~CopiedDatabase() { kb::setDatabaseFolder(QString()); }
    bool ok() const { return m_ok; }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

void EditorOpenCablePipe(benchmark::State &state)
{
    CopiedDatabase copy;
    if (!copy.ok()) {
        state.SkipWithError("CABLE-PIPE.qvx missing beside the program");
        return;
    }
    kb::Form8Model editor;
    for (auto _ : state) {
        editor.IDM_OPENA_Click();
        benchmark::DoNotOptimize(editor.MSFlexGrid1.allTexts().constData());
    }
}

void EditorSaveCablePipe(benchmark::State &state)
{
    CopiedDatabase copy;
    if (!copy.ok()) {
        state.SkipWithError("CABLE-PIPE.qvx missing beside the program");
        return;
    }
    kb::Form8Model editor;
    editor.IDM_OPENA_Click();
    for (auto _ : state)
        editor.IDM_HOZON_Click();
}

// A folder that takes no new file beside the database: the save goes into the file itself.
class NoNewFile : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;
    bool open(OpenMode) override { return false; }
};

void EditorSaveCablePipeIntoTheFileItself(benchmark::State &state)
{
    CopiedDatabase copy;
    if (!copy.ok()) {
        state.SkipWithError("CABLE-PIPE.qvx missing beside the program");
        return;
    }
    kb::setSaveFileFactory([](const QString &path) { return std::make_unique<NoNewFile>(path); });
    kb::Form8Model editor;
    editor.IDM_OPENA_Click();
    for (auto _ : state)
        editor.IDM_HOZON_Click();
    kb::setSaveFileFactory(nullptr);
}

} // namespace

BENCHMARK(EditorOpenCablePipe)->Unit(benchmark::kMillisecond);
BENCHMARK(EditorSaveCablePipe)->Unit(benchmark::kMillisecond);
BENCHMARK(EditorSaveCablePipeIntoTheFileItself)->Unit(benchmark::kMillisecond);
