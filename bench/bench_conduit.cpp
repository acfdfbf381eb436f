// One full 計算 of the conduit window: 100 registered cables in a C conduit,
// split into several conduits. Aim: well under 5 ms.

#include "form1model.h"

#include <benchmark/benchmark.h>

namespace {

void setRow(kb::TextTable &t, int row, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c)
        t.set(c + 1, row, cells[c]);
}

void conduitCalculation100(benchmark::State &state)
{
    kb::Form1Model m;
    const QStringList sizes = {u"C(19)"_qs, u"C(25)"_qs, u"C(31)"_qs, u"C(39)"_qs, u"C(51)"_qs, u"C(63)"_qs, u"C(75)"_qs};
    const QStringList inner = {u"15.9"_qs, u"22.2"_qs, u"28.6"_qs, u"34.9"_qs, u"47.6"_qs, u"59.5"_qs, u"72.2"_qs};
    for (int i = 0; i < sizes.size(); ++i)
        setRow(m.CABLE_DATA, 1 + i, {sizes[i], QString(), inner[i]});
    setRow(m.CABLE_DATA, 143, {u"48"_qs, u"32"_qs, u"32"_qs});
    setRow(m.CABLE_DATA, 150, {QString(), u"JIDOU"_qs});
    m.settings.load(m.CABLE_DATA);
    setRow(m.CABLE_DATA, 301, {u"IV5.5"_qs, u"5.0"_qs, u"19.6"_qs, u"1"_qs, u"58"_qs});
    setRow(m.CABLE_DATA, 302, {u"CV22-3C"_qs, u"22"_qs, u"380"_qs, u"3"_qs, u"900"_qs});
    setRow(m.CABLE_DATA, 303, {u"CV8-2C"_qs, u"12.5"_qs, u"123"_qs, u"2"_qs, u"210"_qs});
    m.CABLE_DATA.set(1, 304, u"END"_qs);
    for (const QString &name : {u"CV22-3C"_qs, u"IV5.5"_qs, u"CV8-2C"_qs, u"IV5.5"_qs}) {
        m.Combo3 = name;
        m.Combo5 = u"25"_qs;
        m.Command1_Click();
    }
    m.Combo1 = u"C"_qs;
    m.Command4_Click();
    m.Command2_Click();
    if (m.TOROKU_SUU != 100 || !m.MSFlexGrid1.textMatrix(100, 2).startsWith(u"     C("_qs)) {
        state.SkipWithError("set-up failed");
        return;
    }
    for (auto _ : state) {
        m.Command2_Click();
        benchmark::DoNotOptimize(m.MSFlexGrid1.textMatrix(100, 2));
    }
}

} // namespace

BENCHMARK(conduitCalculation100)->Unit(benchmark::kMicrosecond);
