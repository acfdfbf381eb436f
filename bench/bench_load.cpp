// Loading each reference database through the calculators' loader, side by side
// with the floor: the file's bytes read at once and decoded in one iconv call.
// Run: build/bin/kb_bench (databases beside it).

#include "cellfile.h"
#include "refdata.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <iconv.h>

namespace {

void loadThroughLoader(benchmark::State &state, const kb::DatabaseShape &shape)
{
    for (auto _ : state) {
        kb::TextTable t = kb::emptyTable(shape);
        kb::loadDatabase(shape, t);
        benchmark::DoNotOptimize(t);
    }
}

void readAndDecodeOnce(benchmark::State &state, const kb::DatabaseShape &shape)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    for (auto _ : state) {
        QFile f(kb::databasePath(shape));
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("database missing");
            break;
        }
        QByteArray bytes = f.readAll();
        QByteArray out(bytes.size() * 2, '\0');
        char *in = bytes.data();
        size_t inLeft = size_t(bytes.size());
        char *o = out.data();
        size_t outLeft = size_t(out.size());
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        iconv(cd, &in, &inLeft, &o, &outLeft);
        QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(out.constData()), (out.size() - qsizetype(outLeft)) / 2);
        benchmark::DoNotOptimize(text);
    }
    iconv_close(cd);
}

} // namespace

BENCHMARK_CAPTURE(loadThroughLoader, CABLE_PIPE, kb::db::CablePipe)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readAndDecodeOnce, CABLE_PIPE, kb::db::CablePipe)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(loadThroughLoader, CABLE_SIZE, kb::db::CableSize)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readAndDecodeOnce, CABLE_SIZE, kb::db::CableSize)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(loadThroughLoader, KAHOU, kb::db::Kahou)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readAndDecodeOnce, KAHOU, kb::db::Kahou)->Unit(benchmark::kMicrosecond);

