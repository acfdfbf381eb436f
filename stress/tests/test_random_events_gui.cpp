// Random events over every window the menus reach, as a restless user would
// give them: buttons, menu commands, texts typed into boxes, list choices, grid
// clicks and keys, with every box and file dialog answered through the dialog
// seam. A crash, a sanitizer report, a window left busy or disabled, the
// hourglass left on, or a box without text fails the run, which then prints
// its seed and the last events.
//
// KB_STRESS_SEED replays a run; KB_STRESS_EVENTS sets the number of random events.

#include "busystate.h"
#include "fakedialogs.h"
#include "flexgrid.h"
#include "registry.h"
#include "testenv.h"
#include "window.h"
#include "windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KB_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KB_ASAN 1
#endif
#endif
#ifdef KB_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

using namespace kb;

namespace {

constexpr quint64 kDefaultSeed = 20261210;
constexpr int kDefaultEvents = 5000;

// The last events, kept in plain memory so that a crash handler can print them.
namespace trail {
constexpr int kLines = 40;
constexpr int kWidth = 300;
char lines[kLines][kWidth];
int count = 0;
quint64 seed = 0;
volatile sig_atomic_t dumped = 0;

void note(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    char *slot = lines[count % kLines];
    const size_t n = std::min<size_t>(size_t(bytes.size()), kWidth - 2);
    std::memcpy(slot, bytes.constData(), n);
    slot[n] = '\n';
    slot[n + 1] = '\0';
    ++count;
}

void writeOut(const char *s)
{
    ssize_t ignored = ::write(2, s, std::strlen(s));
    (void)ignored;
}

// Async-signal-safe: only write(2) on memory already filled.
void dump()
{
    if (dumped)
        return;
    dumped = 1;
    char head[96];
    std::snprintf(head, sizeof head, "\n== random events: seed %llu (KB_STRESS_SEED), last events:\n",
                  static_cast<unsigned long long>(seed));
    writeOut(head);
    for (int i = std::max(0, count - kLines); i < count; ++i)
        writeOut(lines[i % kLines]);
}

QString text()
{
    QString out;
    for (int i = std::max(0, count - kLines); i < count; ++i)
        out += QString::fromUtf8(lines[i % kLines]);
    return out;
}

extern "C" void onFatalSignal(int sig)
{
    dump();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

void install()
{
#ifdef KB_ASAN
    // The sanitizers own SIGSEGV and friends: print after their report.
    __sanitizer_set_death_callback(dump);
    std::signal(SIGABRT, onFatalSignal);
#else
    for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
        std::signal(sig, onFatalSignal);
#endif
}
} // namespace trail

// The same sequence from the same seed on every platform: no std distributions.
class Random
{
public:
    explicit Random(quint64 seed) : m_engine(seed) {}
    int below(int n) { return n <= 0 ? 0 : int(m_engine() % quint64(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template<class T> const T &pick(const QList<T> &list) { return list.at(below(int(list.size()))); }

private:
    std::mt19937_64 m_engine;
};

// Texts a user might type, the nonsense included.
const char16_t *const kOddTexts[] = {
    u"", u" ", u"　", u"abc", u"ｱｲｳ", u"名称", u"-5", u"-0.5", u"0", u"-0", u"0.0001", u"1e308", u"-1e308",
    u"99999999999999999999", u"32767", u"32768", u"-32769", u"2147483648", u"１２３", u"－１２", u"１．５",
    u"NaN", u"inf", u"1,5", u"1.2.3", u"3.5X3", u"CV14-3C", u"ＣＶ１４－３Ｃ", u"CVT38", u"210V/105V", u"105V",
    u"\t", u"'", u"\"", u"%s%n", u"ｹｰﾌﾞﾙﾗｯｸ", u"配管", u"1/0", u"*", u"0x10", u"2.5", u"100", u"0.8", u"1.2",
};

// Answers the boxes and dialogs from the run's random source and checks every box has a text.
class Answers : public FakeDialogs
{
public:
    Answers(Random &random, const QString &folder) : m_random(random), m_folder(folder)
    {
        QDir(m_folder).mkpath(QStringLiteral("results"));
        QDir(m_folder).mkpath(QStringLiteral("a folder.qvx"));
        test::writeBytes(path(QStringLiteral("empty.qvx")), QByteArray());
        QByteArray noise;
        for (int i = 0; i < 5000; ++i)
            noise.append(char(m_random.below(256)));
        test::writeBytes(path(QStringLiteral("noise.qvx")), noise);
        test::writeBytes(path(QStringLiteral("blanks.qvx")), QByteArray(80000, ' '));
        // A pipe where a file is expected must be refused, never waited on.
        mkfifo(QFile::encodeName(path(QStringLiteral("pipe.qvx"))).constData(), 0600);
    }

    QString path(const QString &name) const { return QDir(m_folder).filePath(name); }

    void message(const QString &text) override
    {
        trail::note(QStringLiteral("  box \"%1\"").arg(text.left(120)));
        if (text.trimmed().isEmpty())
            emptyBoxes << trail::text();
        ++boxes;
        FakeDialogs::message(text);
        if (messages.size() > 1000) {
            messages.clear();
            captions.clear();
        }
    }

    QString fileName(QObject *window, const QString &title, const QString &filter, bool forSaving) override
    {
        fileAnswers.clear();
        const int roll = m_random.below(100);
        QString answer;
        if (roll < 30)
            answer.clear(); // cancelled
        else if (roll < 55 || m_saved.isEmpty())
            answer = path(QStringLiteral("results/r%1.qvx").arg(m_random.below(8)));
        else if (roll < 85)
            answer = m_random.pick(m_saved);
        else
            answer = path(m_random.pick(QStringList{QStringLiteral("empty.qvx"), QStringLiteral("noise.qvx"),
                                                    QStringLiteral("blanks.qvx"), QStringLiteral("a folder.qvx"), QStringLiteral("pipe.qvx"),
                                                    QStringLiteral("missing/none.qvx")}));
        if (!answer.isEmpty() && answer.startsWith(path(QStringLiteral("results"))) && !m_saved.contains(answer))
            m_saved << answer;
        fileAnswers << answer;
        trail::note(QStringLiteral("  file dialog \"%1\" → %2").arg(title, answer.isEmpty() ? QStringLiteral("cancel") : answer));
        return FakeDialogs::fileName(window, title, filter, forSaving);
    }

    QPagedPaintDevice *choosePrinter(QObject *window) override
    {
        // Printing is slow under the sanitizers: mostly cancelled.
        printFile = m_random.chance(20) ? path(QStringLiteral("print.pdf")) : QString();
        trail::note(QStringLiteral("  printer → %1").arg(printFile.isEmpty() ? QStringLiteral("cancel") : printFile));
        return FakeDialogs::choosePrinter(window);
    }

    bool openDocument(const QString &path) override
    {
        openDocumentResult = m_random.chance(70);
        trail::note(QStringLiteral("  open document %1 → %2").arg(path).arg(openDocumentResult));
        return FakeDialogs::openDocument(path);
    }

    bool startProgram(const QString &program) override
    {
        const bool started = m_random.chance(50);
        trail::note(QStringLiteral("  start %1 → %2").arg(program).arg(started));
        FakeDialogs::startProgram(program);
        return started;
    }

    QStringList emptyBoxes; // the trail at each box without text
    int boxes = 0;

private:
    Random &m_random;
    QString m_folder;
    QStringList m_saved;
};

bool named(const QObject *o)
{
    const QString n = o->objectName();
    return !n.isEmpty() && !n.startsWith(QLatin1String("qt_"));
}

bool reachable(const QWidget *w, const QWidget *window)
{
    return w->isEnabled() && w->isVisibleTo(window) && w->window()->isVisible();
}

class RandomEvents : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *db : {"CABLE-PIPE.qvx", "CABLE-SIZE.qvx", "KAHOU.qvx"})
            ASSERT_TRUE(QFile::copy(QDir(test::binDir()).filePath(QLatin1String(db)), folder.path(QLatin1String(db))));
        // Workbooks and other temporary files stay inside the test's folder.
        QDir(folder.folder()).mkpath(QStringLiteral("tmp"));
        QDir(folder.folder()).mkpath(QStringLiteral("cache"));
        m_oldTmp = qgetenv("TMPDIR");
        m_oldCache = qgetenv("XDG_CACHE_HOME");
        qputenv("TMPDIR", folder.path(QStringLiteral("tmp")).toLocal8Bit());
        qputenv("XDG_CACHE_HOME", folder.path(QStringLiteral("cache")).toLocal8Bit());

        answers = std::make_unique<Answers>(random, folder.path(QStringLiteral("files")));
        setDialogs(answers.get());

        // As the program runs: every window registered, the end of the program
        // when the last one closes (which a test outside exec() survives).
        registerAllWindows();
        reg().setQuitOrder(closeAllOrder());
        reg().setQuitWhenLastClosed(true);
        QApplication::setQuitOnLastWindowClosed(false);
        QObject::connect(&reg(), &WindowRegistry::windowOpened, &context, [this](const QString &name) { opened << name; });
        QObject::connect(&reg(), &WindowRegistry::quitRequested, &context, [this] {
            trail::note(QStringLiteral("  the program ends"));
            ++programEnds;
        });

        m_modalWatch.setInterval(5);
        QObject::connect(&m_modalWatch, &QTimer::timeout, &context, [this] { driveModal(); });
    }

    void TearDown() override
    {
        reg().reset();
        QApplication::processEvents();
        setDialogs(&folder.fake());
        qputenv("TMPDIR", m_oldTmp);
        qputenv("XDG_CACHE_HOME", m_oldCache);
        if (m_oldTmp.isEmpty())
            qunsetenv("TMPDIR");
        if (m_oldCache.isEmpty())
            qunsetenv("XDG_CACHE_HOME");
    }

    static WindowRegistry &reg() { return WindowRegistry::instance(); }

    static QList<Window *> loadedWindows()
    {
        QList<Window *> out;
        for (const QString &name : closeAllOrder())
            if (Window *w = reg().window(name))
                out << w;
        return out;
    }

    static QList<Window *> visibleWindows()
    {
        QList<Window *> out;
        for (Window *w : loadedWindows())
            if (w->isVisible())
                out << w;
        return out;
    }

    static Window *visibleModal()
    {
        for (Window *w : visibleWindows())
            if (w->windowModality() != Qt::NonModal)
                return w;
        return nullptr;
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // Runs one event. An event that opens a modal window returns only when that
    // window has closed: the watch drives the modal window meanwhile.
    void run(const QString &what, const std::function<void()> &event)
    {
        ++events;
        trail::note(QStringLiteral("%1 %2").arg(events).arg(what));
        const bool outer = !m_drivingModal;
        if (outer)
            m_modalWatch.start();
        event();
        if (outer)
            m_modalWatch.stop();
        settle();
        check();
    }

    void driveModal()
    {
        if (m_drivingModal)
            return;
        QPointer<Window> w = visibleModal();
        if (!w)
            return; // the event is still loading it, or it opened nothing modal
        m_modalWatch.stop();
        m_drivingModal = true;
        trail::note(QStringLiteral("  %1 is open modally").arg(w->formName()));
        const int n = 20 + random.below(60);
        for (int i = 0; i < n && w && w->isVisible() && failures.isEmpty(); ++i)
            randomEvent(w);
        if (w && w->isVisible()) {
            trail::note(QStringLiteral("%1: close box").arg(w->formName()));
            w->close();
        }
        if (w && w->isVisible()) {
            fail(QStringLiteral("%1 open modally does not close").arg(w->formName()));
            delete w.data(); // lets the waiting menu go on
        }
        m_drivingModal = false;
    }

    void check()
    {
        for (Window *w : loadedWindows()) {
            if (BusyState::isBusy(w))
                fail(QStringLiteral("%1 left busy").arg(w->formName()));
            else if (!w->isEnabled())
                fail(QStringLiteral("%1 left disabled").arg(w->formName()));
        }
        if (QApplication::overrideCursor())
            fail(QStringLiteral("the hourglass pointer is left on"));
        if (!answers->emptyBoxes.isEmpty()) {
            fail(QStringLiteral("a message box without text"));
            answers->emptyBoxes.clear();
        }
    }

    void fail(const QString &what)
    {
        if (failures.isEmpty())
            failures << QStringLiteral("%1 after event %2 (seed %3, KB_STRESS_SEED); last events:\n%4")
                            .arg(what)
                            .arg(events)
                            .arg(trail::seed)
                            .arg(trail::text());
    }

    QString randomText(Window *w)
    {
        const int roll = random.below(100);
        if (roll < 35)
            return QString::fromUtf16(kOddTexts[random.below(int(std::size(kOddTexts)))]);
        if (roll < 60) {
            // A plausible figure.
            const int n = 1 + random.below(random.chance(50) ? 20 : 500);
            return random.chance(30) ? QStringLiteral("%1.%2").arg(n).arg(random.below(100)) : QString::number(n);
        }
        if (roll < 85) {
            // An item of one of the window's lists: names and sizes the calculations know.
            QStringList items;
            for (QComboBox *c : w->findChildren<QComboBox *>())
                for (int i = 0; i < c->count(); ++i)
                    items << c->itemText(i);
            if (!items.isEmpty())
                return random.pick(items);
        }
        if (roll < 93) {
            QString s;
            const int n = 20 + random.below(300);
            for (int i = 0; i < n; ++i)
                s += QChar(random.chance(50) ? u'電' : char16_t(u'0' + random.below(10)));
            return s;
        }
        // Drawn one after the other: the operands of + may be evaluated in either order.
        const int mantissa = random.below(2000000) - 1000000;
        const int exponent = random.below(40);
        return QStringLiteral("%1e%2").arg(mantissa).arg(exponent);
    }

    // One event on a window (or a control inside it, menu children of the fire-alarm frame included).
    void randomEvent(Window *w)
    {
        const QString form = w->formName();
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
            if (named(b) && reachable(b, w))
                buttons << b;
        QList<QAction *> actions;
        for (QAction *a : w->findChildren<QAction *>())
            if (a->objectName().startsWith(QLatin1String("IDM_")) && !a->menu() && !a->isSeparator() && a->isEnabled() && a->isVisible())
                actions << a;
        QList<QMenu *> menus;
        for (QMenu *m : w->findChildren<QMenu *>())
            if (named(m))
                menus << m;
        QList<QLineEdit *> edits;
        for (QLineEdit *e : w->findChildren<QLineEdit *>())
            if (!qobject_cast<QComboBox *>(e->parentWidget()) && named(e) && reachable(e, w) && !e->isReadOnly())
                edits << e;
        QList<QComboBox *> combos;
        for (QComboBox *c : w->findChildren<QComboBox *>())
            if (named(c) && reachable(c, w))
                combos << c;
        QList<FlexGrid *> grids;
        for (FlexGrid *g : w->findChildren<FlexGrid *>())
            if (reachable(g, w))
                grids << g;

        // Kinds by weight; a kind the window lacks passes its turn to the close box.
        struct Kind
        {
            int weight;
            bool available;
        };
        const Kind kinds[] = {{26, !buttons.isEmpty()}, {14, !actions.isEmpty()}, {3, !menus.isEmpty()},
                              {26, !edits.isEmpty()},   {16, !combos.isEmpty()},  {12, !grids.isEmpty()},
                              {1, true}};
        int total = 0;
        for (const Kind &k : kinds)
            total += k.available ? k.weight : 0;
        int roll = random.below(total);
        int kind = 0;
        for (; kind < int(std::size(kinds)); ++kind) {
            if (!kinds[kind].available)
                continue;
            if (roll < kinds[kind].weight)
                break;
            roll -= kinds[kind].weight;
        }

        switch (kind) {
        case 0: {
            QPointer<QAbstractButton> b = random.pick(buttons);
            run(QStringLiteral("%1: click %2 \"%3\"").arg(form, b->objectName(), b->text()), [b] {
                if (b)
                    b->click();
            });
            break;
        }
        case 1: {
            QPointer<QAction> a = random.pick(actions);
            run(QStringLiteral("%1: menu %2 \"%3\"").arg(form, a->objectName(), a->text()), [a] {
                if (a)
                    a->trigger();
            });
            break;
        }
        case 2: {
            QPointer<QMenu> m = random.pick(menus);
            run(QStringLiteral("%1: open menu %2").arg(form, m->objectName()), [m] {
                if (m)
                    QMetaObject::invokeMethod(m, "aboutToShow");
                if (m)
                    QMetaObject::invokeMethod(m, "aboutToHide");
            });
            break;
        }
        case 3: {
            QPointer<QLineEdit> e = random.pick(edits);
            typeInto(w, e);
            break;
        }
        case 4: {
            QPointer<QComboBox> c = random.pick(combos);
            if (c->isEditable() && (c->count() == 0 || random.chance(40))) {
                typeInto(w, c->lineEdit(), c->objectName());
            } else if (c->count() > 0) {
                const int i = random.below(c->count());
                run(QStringLiteral("%1: choose item %2 \"%3\" of %4").arg(form).arg(i).arg(c->itemText(i), c->objectName()), [c, i] {
                    if (!c)
                        return;
                    c->setCurrentIndex(i);
                    if (c)
                        emit c->activated(i);
                    if (c)
                        emit c->textActivated(c->itemText(i));
                });
            }
            break;
        }
        case 5: {
            QPointer<FlexGrid> g = random.pick(grids);
            const int r = random.chance(80) ? random.below(std::min(g->rows(), 12)) : random.below(g->rows());
            const int c = random.below(g->cols());
            if (random.chance(85)) {
                run(QStringLiteral("%1: grid %2 click (%3, %4)").arg(form, g->objectName()).arg(r).arg(c), [g, r, c] {
                    if (g)
                        g->clickCell(r, c);
                });
            } else {
                const Qt::Key key = random.pick(QList<Qt::Key>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Delete, Qt::Key_Home});
                run(QStringLiteral("%1: grid %2 key %3").arg(form, g->objectName(), QKeySequence(key).toString()), [g, key] {
                    if (g)
                        QTest::keyClick(g, key);
                });
            }
            break;
        }
        default: {
            QPointer<Window> target = w;
            run(QStringLiteral("%1: close box").arg(form), [target] {
                if (target)
                    target->close();
            });
            break;
        }
        }
    }

    void typeInto(Window *w, QPointer<QLineEdit> e, const QString &name = QString())
    {
        const QString form = w->formName();
        const QString box = name.isEmpty() ? e->objectName() : name;
        const int how = random.below(100);
        if (how < 12) {
            const Qt::Key key = random.pick(QList<Qt::Key>{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab});
            run(QStringLiteral("%1: key %2 in %3").arg(form, QKeySequence(key).toString(), box), [e, key] {
                if (e)
                    QTest::keyClick(e, key);
            });
            return;
        }
        const QString t = randomText(w);
        if (how < 70) {
            run(QStringLiteral("%1: set %2 to \"%3\"").arg(form, box, t.left(60)), [e, t] {
                if (e)
                    e->setText(t);
            });
        } else {
            // Typed through the input method, as Japanese is typed: replaces a selection or goes in at the cursor.
            const bool replace = random.chance(60);
            run(QStringLiteral("%1: type \"%2\" into %3%4").arg(form, t.left(60), box, replace ? QStringLiteral(" (replacing)") : QString()), [e, t, replace] {
                if (!e)
                    return;
                if (replace)
                    e->selectAll();
                QInputMethodEvent ev;
                ev.setCommitString(t);
                QCoreApplication::sendEvent(e, &ev);
            });
        }
    }

    // Presses every picture button of every menu window, so that each window the
    // menus reach is opened at least once whatever the random events do.
    void openEveryWindow()
    {
        const QStringList menus = {QStringLiteral("Form5"), QStringLiteral("Form6"), QStringLiteral("Form13"), QStringLiteral("Form20"),
                                   QStringLiteral("MDIForm1"), QStringLiteral("FrmMENUA"), QStringLiteral("FrmMENUC")};
        run(QStringLiteral("start the program"), [] { reg().open(QStringLiteral("Form5")); });
        for (const QString &menu : menus) {
            Window *w = reg().window(menu);
            if (!w) {
                fail(menu + QStringLiteral(" not opened by the menus"));
                return;
            }
            for (int n = 1; n <= 8; ++n) {
                QPointer<QAbstractButton> b = w->findChild<QAbstractButton *>(QStringLiteral("Command%1").arg(n));
                if (b && b->isEnabled())
                    run(QStringLiteral("%1: click Command%2 \"%3\"").arg(menu).arg(n).arg(b->text()), [b] {
                        if (b)
                            b->click();
                    });
            }
        }
    }

    test::TestFolder folder;
    Random random{trail::seed};
    std::unique_ptr<Answers> answers;
    QObject context;
    QTimer m_modalWatch;
    bool m_drivingModal = false;
    QByteArray m_oldTmp, m_oldCache;
    QSet<QString> opened;
    int programEnds = 0;
    int events = 0;
    QStringList failures;
};

// The offscreen platform's notes on every window shown would bury the report.
QtMessageHandler g_previousHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("KB_STRESS_SEED").toULongLong(&ok);
    trail::seed = ok ? seed : kDefaultSeed;
    return trail::seed;
}

// Runs before the fixture is built, so that its random source takes the seed.
const quint64 kSeed = seedFromEnvironment();

} // namespace

TEST_F(RandomEvents, EveryWindowTakesThousandsOfEventsWithoutCrashOrStuckState)
{
    trail::install();
    g_previousHandler = qInstallMessageHandler(quietPlatform);
    bool ok = false;
    int budget = qEnvironmentVariable("KB_STRESS_EVENTS").toInt(&ok);
    if (!ok || budget <= 0)
        budget = kDefaultEvents;
    std::printf("random events: seed %llu, %d events\n", static_cast<unsigned long long>(kSeed), budget);

    openEveryWindow();
    const QStringList reachable = {"Form1", "Form3", "Form5", "Form6", "Form7", "Form8", "Form9", "Form11", "Form12",
                                   "Form13", "Form14", "Form15", "Form16", "Form17", "Form19", "Form20", "Form21",
                                   "Form22", "Form23", "Form24", "Form25", "Form26", "Form27", "MDIForm1",
                                   "FrmMENUA", "FrmMENUC", "Frm1", "Frm2", "Frm3", "Form4"};
    for (const QString &name : reachable)
        EXPECT_TRUE(opened.contains(name)) << name.toStdString() << " is not reached from the menus";

    QHash<QString, int> perWindow;
    const int start = events;
    while (events - start < budget && failures.isEmpty()) {
        const QList<Window *> shown = visibleWindows();
        if (shown.isEmpty()) {
            run(QStringLiteral("start the program again"), [] { reg().open(QStringLiteral("Form5")); });
            continue;
        }
        Window *w = random.pick(shown);
        ++perWindow[w->formName()];
        randomEvent(w);
    }

    // The main menu's close-all ends everything, hidden windows included; the test goes on.
    if (failures.isEmpty()) {
        if (!reg().isLoaded(QStringLiteral("Form5")))
            run(QStringLiteral("start the program again"), [] { reg().open(QStringLiteral("Form5")); });
        QPointer<QAction> end = reg().window(QStringLiteral("Form5"))->findChild<QAction *>(QStringLiteral("IDM_END"));
        run(QStringLiteral("Form5: menu IDM_END"), [end] {
            if (end)
                end->trigger();
        });
        for (const QString &name : closeAllOrder())
            EXPECT_FALSE(reg().isLoaded(name)) << name.toStdString() << " still loaded after close-all";
    }

    QStringList tally;
    for (auto it = perWindow.cbegin(); it != perWindow.cend(); ++it)
        tally << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    tally.sort();
    std::printf("%d events, %d boxes, %d program ends; events by window: %s\n", events, answers->boxes, programEnds,
                qPrintable(tally.join(QStringLiteral(", "))));
    for (const QString &f : failures)
        ADD_FAILURE() << f.toStdString();
    qInstallMessageHandler(g_previousHandler);
}
