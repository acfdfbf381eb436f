// Presses through the windows themselves, as a click runs them: the texts copied
// into the state, the procedure, the results shown, and for a press with a box the
// state shown behind it. A press with a box and the same press without one, in the
// unbalanced-load window (a CalculatorWindow) and the rack window (its own frame), and
// a file press of a detector window.
// Run: build/bin/kb_bench --benchmark_filter=Window

#include "dialogs.h"
#include "form17.h"
#include "registry.h"
#include "window.h"
#include "windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

// Dialogs that answer every box at once and count them.
class CountingDialogs : public kb::Dialogs
{
public:
    void message(const QString &) override { ++messages; }
    QString fileName(QObject *, const QString &, const QString &, bool) override { return {}; }
    QPagedPaintDevice *choosePrinter(QObject *) override { return nullptr; }
    bool openDocument(const QString &) override { return false; }
    bool startProgram(const QString &) override { return false; }
    int messages = 0;
};

void setText(kb::Window *w, const char *name, const QString &text)
{
    if (auto *box = w->findChild<QLineEdit *>(QLatin1String(name)))
        box->setText(text);
    else if (auto *combo = w->findChild<QComboBox *>(QLatin1String(name)))
        combo->setEditText(text);
}

void click(kb::Window *w, const char *button)
{
    if (auto *b = w->findChild<QAbstractButton *>(QLatin1String(button)))
        b->click();
}

// Opens the window, lets `prepare` bring it to the press to time, and times `press`:
// each press must show `boxes` boxes.
template<class Prepare, class Press>
void timeWindowPress(benchmark::State &state, const char *form, int boxes, Prepare prepare, Press press)
{
    CountingDialogs dialogs;
    kb::setDialogs(&dialogs);
    kb::registerAllWindows();
    auto &registry = kb::WindowRegistry::instance();
    kb::Window *w = registry.open(QLatin1String(form));
    if (w) {
        prepare(w);
        QApplication::processEvents();
        dialogs.messages = 0;
        press(w);
    }
    if (!w || dialogs.messages != boxes) {
        state.SkipWithError("set-up failed");
    } else {
        for (auto _ : state)
            press(w);
    }
    registry.reset();
    QApplication::processEvents();
    kb::setDialogs(nullptr);
}

// R 6 kVA, T 4 kVA: 40 %, no box. T 3.9 kVA: 42.4 %, the unbalance box.
void unbalancedWindow(benchmark::State &state, const char *t, int boxes)
{
    timeWindowPress(
        state, "Form16", boxes,
        [t](kb::Window *w) {
            setText(w, "Text3", QStringLiteral("6"));
            setText(w, "Text5", QString::fromLatin1(t));
            setText(w, "Text7", QStringLiteral("0"));
        },
        [](kb::Window *w) { click(w, "Command1"); });
}
void unbalancedWindowCalculation(benchmark::State &state) { unbalancedWindow(state, "4", 0); }
void unbalancedWindowWarning(benchmark::State &state) { unbalancedWindow(state, "3.9", 1); }

// CVT22 on the rack: 計算 at factor 0.7 (no box), or refused as a special order at 0.85
// (one box each press). The count of calculations is held back, so that a long run never
// meets its 16-bit limit.
void rackWindow(benchmark::State &state, const char *factor, int boxes)
{
    timeWindowPress(
        state, "Form17", boxes,
        [factor](kb::Window *w) {
            setText(w, "Combo3", QStringLiteral("CVT22"));
            setText(w, "Combo5", QStringLiteral("47"));
            click(w, "Command1");
            click(w, "Command2");
            setText(w, "Combo4", QString::fromLatin1(factor));
            click(w, "Command2");
        },
        [](kb::Window *w) {
            static_cast<kb::Form17 *>(w)->model().KEISAN_KAISUU = 1;
            click(w, "Command2");
        });
}
void rackWindowCalculation(benchmark::State &state) { rackWindow(state, "0.7", 0); }
void rackWindowSpecialOrder(benchmark::State &state) { rackWindow(state, "0.85", 1); }

// The detector window's 保存 with its file dialog cancelled: the texts and options
// taken in, the state shown behind the file dialog and behind the box that follows.
void detectorWindowSaveCancelled(benchmark::State &state)
{
    timeWindowPress(
        state, "Frm1", 1,
        [](kb::Window *w) {
            setText(w, "Text4", QStringLiteral("10"));
            setText(w, "Text5", QStringLiteral("20"));
            click(w, "Option1(1)");
            click(w, "Option2(1)");
        },
        [](kb::Window *w) {
            if (auto *save = w->findChild<QAction *>(QStringLiteral("IDM_DSAVE")))
                save->trigger();
        });
}

} // namespace

BENCHMARK(unbalancedWindowCalculation)->Unit(benchmark::kMicrosecond);
BENCHMARK(unbalancedWindowWarning)->Unit(benchmark::kMicrosecond);
BENCHMARK(rackWindowCalculation)->Unit(benchmark::kMicrosecond);
BENCHMARK(rackWindowSpecialOrder)->Unit(benchmark::kMicrosecond);
BENCHMARK(detectorWindowSaveCancelled)->Unit(benchmark::kMicrosecond);
