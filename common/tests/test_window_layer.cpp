#include "busystate.h"
#include "cellfile.h"
#include "export.h"
#include "failure.h"
#include "gridmodel.h"
#include "loader.h"
#include "qtdialogs.h"
#include "registry.h"
#include "testenv.h"
#include "window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kb;

namespace {

// A window that counts its load steps and records its closing.
class CountingWindow : public Window
{
public:
    CountingWindow(const QString &name, QStringList *log) : Window(name), m_log(log)
    {
        auto *label = new QLabel(QStringLiteral("状態"), this);
        label->setObjectName(QStringLiteral("Label1"));
        setCentralWidget(label);
        resize(300, 200);
    }
    void Form_Load() override
    {
        ++loads;
        m_log->append(QStringLiteral("load ") + formName());
    }
    bool Form_Unload() override
    {
        m_log->append(QStringLiteral("close ") + formName());
        return true;
    }
    int loads = 0;

private:
    QStringList *m_log;
};

class Registry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : {"Form5", "Form1", "Form8", "Form21"}) {
            const QString n = QLatin1String(name);
            reg().registerWindow(n, [this, n] { return new CountingWindow(n, &log); });
        }
    }
    void TearDown() override { reg().reset(); }
    static WindowRegistry &reg() { return WindowRegistry::instance(); }
    QStringList log;
    test::TestFolder folder;
};

} // namespace

TEST_F(Registry, OneInstanceAndOpeningAgainRaisesWithoutLoading)
{
    Window *a = reg().open(QStringLiteral("Form1"));
    Window *b = reg().open(QStringLiteral("Form1"));
    EXPECT_EQ(a, b);
    EXPECT_EQ(static_cast<CountingWindow *>(a)->loads, 1);
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(a->objectName(), u"Form1");

    reg().close(QStringLiteral("Form1"));
    QApplication::processEvents();
    EXPECT_FALSE(reg().isLoaded(QStringLiteral("Form1")));
    reg().open(QStringLiteral("Form1"));
    EXPECT_EQ(log.count(QStringLiteral("load Form1")), 2); // a fresh load after closing
}

TEST_F(Registry, CloseAllFollowsItsOrderAndSkipsWindowsNotLoaded)
{
    reg().open(QStringLiteral("Form8"));
    reg().open(QStringLiteral("Form1"));
    reg().load(QStringLiteral("Form21")); // loaded, hidden
    log.clear();
    reg().closeAll({QStringLiteral("Form1"), QStringLiteral("Form5"), QStringLiteral("Form21"), QStringLiteral("Form8")});
    EXPECT_EQ(log, QStringList({QStringLiteral("close Form1"), QStringLiteral("close Form21"), QStringLiteral("close Form8")}));
    EXPECT_FALSE(reg().isLoaded(QStringLiteral("Form5"))); // never loaded by closing
}

TEST_F(Registry, LastVisibleWindowClosingClosesHiddenOnesAndQuits)
{
    reg().setQuitWhenLastClosed(true);
    reg().setQuitOrder({QStringLiteral("Form21"), QStringLiteral("Form5")});
    bool quit = false;
    QObject::connect(&reg(), &WindowRegistry::quitRequested, [&] { quit = true; });
    reg().open(QStringLiteral("Form5"));
    reg().open(QStringLiteral("Form1"));
    reg().load(QStringLiteral("Form21"));

    reg().close(QStringLiteral("Form5"));
    EXPECT_FALSE(quit); // the calculator is still on screen
    reg().close(QStringLiteral("Form1"));
    EXPECT_TRUE(quit);
    EXPECT_TRUE(log.contains(QStringLiteral("close Form21")));
    EXPECT_FALSE(reg().isLoaded(QStringLiteral("Form21")));
}

TEST(WindowLayer, FramesArePlacedAtTheirFractionsAndKeptInsideTheFreeSpace)
{
    EXPECT_DOUBLE_EQ(placementFactors(QStringLiteral("Form8")).kx, 0.95);
    EXPECT_DOUBLE_EQ(placementFactors(QStringLiteral("Form5")).ky, 0.1);
    EXPECT_DOUBLE_EQ(placementFactors(QStringLiteral("Form14")).kx, 0.5);

    // A 1024 × 600 screen with a 32-pixel panel at the top.
    const QRect free(0, 32, 1024, 568);
    const struct { const char *name; QSize frame; PlacementFactors k; QPoint at; } cases[] = {
        {"centred", {624, 368}, {0.5, 0.5}, {200, 132}},
        {"main menu near the top left", {524, 268}, {0.1, 0.1}, {50, 62}},
        {"editor fits at 19/20", {924, 468}, {0.95, 0.1}, {95, 42}},
        {"taller than the screen: title bar at the top", {600, 700}, {0.5, 0.5}, {212, 32}},
        {"wider than the screen: left edge in view", {1300, 400}, {0.95, 0.1}, {0, 48}},
        {"larger both ways", {1300, 900}, {0.5, 0.5}, {0, 32}},
        {"exactly the free space", {1024, 568}, {0.5, 0.5}, {0, 32}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(framePosition(c.frame, free, c.k), c.at);
    }
    // A second screen to the left of the first: its own free space, negative coordinates.
    EXPECT_EQ(framePosition({400, 300}, QRect(-1280, 0, 1280, 1024), {0.5, 0.5}), QPoint(-840, 362));
}

TEST_F(Registry, AWindowLargerThanTheScreenKeepsItsTitleBarAndLeftEdgeInView)
{
    Window *w = reg().load(QStringLiteral("Form1"));
    w->resize(20000, 20000);
    w->placeWindow();
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(w->pos(), free.topLeft());
}

TEST_F(Registry, FailingHandlerShowsItsNameAndEndsTheBusyState)
{
    Window *w = reg().open(QStringLiteral("Form1"));
    w->guard(QStringLiteral("Command1_Click"), [w] {
        BusyState busy(w);
        BusyState inner(w);
        throw Failure(QStringLiteral("boom"));
    });
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(folder.messages().size(), 1);
    EXPECT_EQ(folder.messages().first(), u"エラーが発生しました。Command1_Click");

    // A busy state ended on the normal path restores the window too.
    {
        BusyState busy(w);
        EXPECT_FALSE(w->isEnabled());
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Registry, MessageBoxesCarryTheApplicationTitle)
{
    message(QStringLiteral("a"));
    setAppTitle(QStringLiteral("メインメニュー"));
    message(QStringLiteral("b"));
    setAppTitle(QStringLiteral("Kembrel"));
    EXPECT_EQ(folder.fake().captions, QStringList({QStringLiteral("Kembrel"), QStringLiteral("メインメニュー")}));
}

TEST_F(Registry, LoaderReportsAFailedReadWithTheWindowsTag)
{
    Window *w = reg().open(QStringLiteral("Form1"));
    // A folder where the database should be: it exists but cannot be read as a file.
    QDir(folder.folder()).mkdir(QLatin1String(db::CablePipe.fileName));
    TextTable t = emptyTable(db::CablePipe);
    EXPECT_FALSE(DATA_YOMIKOMI(w, db::CablePipe, t));
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(folder.messages(), QStringList(QStringLiteral("エラーが発生しました。Form_Load")));
}

TEST_F(Registry, PrintGoesToThePrinterChosenAndACancelShowsTheFailureBox)
{
    Window *w = reg().open(QStringLiteral("Form1"));
    w->printWindow();
    EXPECT_EQ(folder.messages(), QStringList(QStringLiteral("プリントを中止しました。IDM_PRINT")));

    folder.fake().printFile = folder.path(QStringLiteral("print.pdf"));
    w->printWindow(QStringLiteral("プリントを中止しました。 IDM_PRINT"));
    EXPECT_EQ(folder.messages().size(), 1);
    const QByteArray pdf = test::readBytes(folder.fake().printFile);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);
}

// A print to a PDF file on a disk that cannot take it whole: the print box, and no
// cut or empty file; a file of that name from before stays as it was. With room
// again the same print goes through.
TEST_F(Registry, APrintToAFileThatCannotBeWrittenWholeShowsTheBoxAndLeavesNoFile)
{
    Window *w = reg().open(QStringLiteral("Form1"));
    const QString pdf = folder.path(QStringLiteral("print.pdf"));
    folder.fake().printFile = pdf;
    for (const bool before : {false, true}) {
        SCOPED_TRACE(before ? "over an older print" : "a new file");
        folder.fake().messages.clear();
        if (before)
            test::writeBytes(pdf, "%PDF older");
        {
            test::FullDisk disk(1000);
            w->printWindow();
            EXPECT_EQ(disk.refusedSaves(), 1);
        }
        EXPECT_EQ(folder.messages(), QStringList(QStringLiteral("プリントを中止しました。IDM_PRINT")));
        EXPECT_EQ(QFileInfo::exists(pdf), before);
        if (before)
            EXPECT_EQ(test::readBytes(pdf), "%PDF older");
        EXPECT_EQ(QDir(folder.folder()).entryList(QDir::Files), before ? QStringList{QStringLiteral("print.pdf")} : QStringList());
        QFile::remove(pdf);
    }
    folder.fake().messages.clear();
    w->printWindow();
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_TRUE(test::readBytes(pdf).startsWith("%PDF"));
}

namespace {
// A grid whose export gives a small workbook from a large sheet: the same number
// in every cell compresses well.
void fillLargeGrid(GridModel &grid)
{
    grid.setShape(1001, 21);
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 1; c < grid.cols(); ++c)
            grid.setTextMatrix(r, c, r == 0 ? QStringLiteral("見出し") : QStringLiteral("1.5"));
}

QStringList workbooks()
{
    return QDir(workbookFolder()).entryList({QStringLiteral("*.xlsx")}, QDir::Files);
}
} // namespace

// The process file-size limit of an administrator or a batch system: a print and an
// export that pass it get their failure boxes and leave no file, and the program goes
// on (with the limit raised, the print goes through). Run in a child under a real
// limit with the signal as the program's start-up leaves it, which the test program
// shares: by default the first write past the limit would end the child. Two limits:
// one the workbook itself passes, and one only the export's temporary sheet passes,
// a failure the spreadsheet library does not report.
TEST_F(Registry, WritesPastTheFileSizeLimitFailWithTheBoxesAndTheProgramGoesOn)
{
    Window *w = reg().open(QStringLiteral("Form1"));
    const QString pdf = folder.path(QStringLiteral("print.pdf"));
    folder.fake().printFile = pdf;
    GridModel grid;
    fillLargeGrid(grid);
    const QStringList before = workbooks();
    ASSERT_TRUE(exportGrid(grid, exportlayout::VoltageDrop));
    const qint64 workbookSize = QFileInfo(folder.fake().openedDocuments.last()).size();
    ASSERT_LT(workbookSize, 200000) << "the sheet (about 600 kB) should pass a limit the workbook does not";
    QFile::remove(folder.fake().openedDocuments.last());
    folder.fake().openedDocuments.clear();

    for (const quint64 limit : {quint64(2000), quint64(workbookSize + 100000)}) {
        SCOPED_TRACE(limit);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            rlimit fsize{};
            ::getrlimit(RLIMIT_FSIZE, &fsize);
            const rlim_t unlimited = fsize.rlim_cur;
            fsize.rlim_cur = rlim_t(limit);
            if (::setrlimit(RLIMIT_FSIZE, &fsize) != 0)
                ::_exit(64);
            if (limit < quint64(workbookSize)) // the PDF (some 10 kB) too
                w->printWindow();
            const bool exported = exportGrid(grid, exportlayout::VoltageDrop);
            QStringList expected{QStringLiteral("エラーが発生しました。IDM_EXLSAVE")};
            if (limit < quint64(workbookSize))
                expected.prepend(QStringLiteral("プリントを中止しました。IDM_PRINT"));
            if (exported || folder.messages() != expected)
                ::_exit(1);
            if (!QDir(folder.folder()).entryList(QDir::Files).isEmpty())
                ::_exit(3);
            fsize.rlim_cur = unlimited;
            ::setrlimit(RLIMIT_FSIZE, &fsize);
            folder.fake().messages.clear();
            w->printWindow();
            ::_exit(folder.messages().isEmpty() && QFileInfo::exists(pdf) ? 0 : 2);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        ASSERT_NE(WEXITSTATUS(status), 64) << "could not set the size limit";
        EXPECT_NE(WEXITSTATUS(status), 1) << "no failure boxes, or other boxes, for the writes past the limit";
        EXPECT_NE(WEXITSTATUS(status), 2) << "the print after the limit was raised failed";
        EXPECT_NE(WEXITSTATUS(status), 3) << "a cut or empty PDF was left";
        EXPECT_EQ(workbooks(), before) << "a cut workbook was left";
        QFile::remove(pdf);
    }
}

namespace {
// The sizes of the images a PDF holds, in pixels.
QList<QSize> pdfImages(const QByteArray &pdf)
{
    QList<QSize> sizes;
    static const QRegularExpression image(QStringLiteral("/Subtype /Image\\s*/Width (\\d+)\\s*/Height (\\d+)"));
    for (auto it = image.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        sizes << QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }
    return sizes;
}

bool havePdfRenderer()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// The first page of a PDF as a reader shows it: a grey image of `dpi` dots per inch.
QImage pdfPage(const QString &pdf, int dpi)
{
    const QString out = pdf + QStringLiteral("-page");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                         QStringLiteral("-singlefile"), pdf, out});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QImage(out + QStringLiteral(".pgm"));
}

// Where anything is drawn on a page image: the bounds of its pixels that are not white.
QRect inkBounds(const QImage &page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The page area a printer of this PDF writer's page prints on, at `dpi`.
QRectF paintRect(int dpi)
{
    QPdfWriter writer(QString{});
    const QRectF points = writer.pageLayout().paintRect(QPageLayout::Point);
    return {points.topLeft() * dpi / 72, points.size() * dpi / 72};
}
} // namespace

// Whatever the printer's resolution, the window goes on the page as an image of at
// most 300 dpi, which is sharp on paper and quick to send, filling the page's width
// from its top left corner.
TEST_F(Registry, PrintDrawsTheWindowAtPrintQualityAcrossThePage)
{
    Window *w = reg().open(QStringLiteral("Form1"));
    const QSize client = w->centralWidget()->size();
    folder.fake().printFile = folder.path(QStringLiteral("print.pdf"));
    for (const int printer : {1200, 300, 150}) {
        SCOPED_TRACE(printer);
        folder.fake().printResolution = printer;
        w->printWindow();
        EXPECT_TRUE(folder.messages().isEmpty());

        const QList<QSize> images = pdfImages(test::readBytes(folder.fake().printFile));
        ASSERT_EQ(images.size(), 1);
        const double widthInches = paintRect(1).width();
        EXPECT_NEAR(images[0].width() / widthInches, std::min(printer, 300), 1);
        EXPECT_NEAR(images[0].height(), images[0].width() * client.height() / double(client.width()), 1);

        if (havePdfRenderer()) {
            const int dpi = 50;
            QRectF expected = paintRect(dpi);
            expected.setHeight(expected.width() * client.height() / client.width());
            const QRect drawn = inkBounds(pdfPage(folder.fake().printFile, dpi));
            EXPECT_NEAR(drawn.left(), expected.left(), 1.5);
            EXPECT_NEAR(drawn.top(), expected.top(), 1.5);
            EXPECT_NEAR(drawn.width(), expected.width(), 2);
            EXPECT_NEAR(drawn.height(), expected.height(), 2);
        }
    }
}

namespace {
// A window with a label, the data-number box holding "1" and a control that takes
// the focus without drawing any mark of it.
class InputWindow : public Window
{
public:
    InputWindow() : Window(QStringLiteral("Form2"))
    {
        auto *client = new QWidget(this);
        setCentralWidget(client);
        auto *label = new QLabel(QStringLiteral("データNO"), client);
        label->setGeometry(10, 10, 80, 24);
        box = new QLineEdit(QStringLiteral("1"), client);
        box->setGeometry(100, 10, 80, 24);
        plain = new QWidget(client);
        plain->setFocusPolicy(Qt::StrongFocus);
        plain->setGeometry(10, 50, 20, 20);
        client->setFixedSize(200, 80);
    }
    QLineEdit *box;
    QWidget *plain;
};

// Records the window's enabled changes.
class EnabledChanges : public QObject
{
public:
    QList<bool> seen;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange)
            seen << static_cast<QWidget *>(watched)->isEnabled();
        return false;
    }
};
} // namespace

// The page shows the window as it is, without the text cursor and the focus frame of
// the box being typed in; the window is busy while the page is drawn and sent, and the
// focus is back in the box after.
TEST_F(Registry, PrintShowsNoCursorOrFocusFrameAndTheWindowIsBusyMeanwhile)
{
    if (!havePdfRenderer())
        GTEST_SKIP() << "no pdftoppm (poppler-utils) to read the page";
    reg().registerWindow(QStringLiteral("Form2"), [] { return new InputWindow; });
    auto *w = static_cast<InputWindow *>(reg().open(QStringLiteral("Form2")));
    QApplication::setActiveWindow(w);
    w->box->setFocus();
    w->box->setCursorPosition(0); // "|1", as the user left it
    QApplication::processEvents();
    ASSERT_TRUE(w->box->hasFocus());
    folder.fake().printResolution = 1200;

    EnabledChanges changes;
    w->installEventFilter(&changes);
    folder.fake().printFile = folder.path(QStringLiteral("typing.pdf"));
    w->printWindow();
    w->removeEventFilter(&changes);
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_EQ(changes.seen, QList<bool>({false, true}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(w->box->hasFocus());
    EXPECT_EQ(w->box->cursorPosition(), 0);

    // The same window with the focus on a control that shows none.
    w->plain->setFocus();
    folder.fake().printFile = folder.path(QStringLiteral("plain.pdf"));
    w->printWindow();
    const QImage typing = pdfPage(folder.path(QStringLiteral("typing.pdf")), 100);
    const QImage plain = pdfPage(folder.path(QStringLiteral("plain.pdf")), 100);
    ASSERT_FALSE(typing.isNull());
    EXPECT_TRUE(typing == plain);
    // Drawn before the busy state greys the window: its texts print black.
    int darkest = 255;
    for (int y = 0; y < typing.height(); ++y)
        for (int x = 0; x < typing.width(); ++x)
            darkest = std::min(darkest, qGray(typing.pixel(x, y)));
    EXPECT_LT(darkest, 60);
}

TEST_F(Registry, CalculatorStartsTheFirstOneFoundOrSaysItCouldNot)
{
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", folder.folder().toLocal8Bit());
    startCalculator();
    EXPECT_EQ(folder.messages(), QStringList(QStringLiteral("電卓を起動できませんでした。")));

    const QString calc = folder.path(QStringLiteral("galculator"));
    test::writeBytes(calc, "#!/bin/sh\n");
    QFile::setPermissions(calc, QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
    folder.fake().startablePrograms << calc;
    startCalculator();
    qputenv("PATH", oldPath);
    EXPECT_EQ(folder.fake().startedPrograms.last(), calc);
    EXPECT_EQ(folder.messages().size(), 1);
}

TEST_F(Registry, ModalOpeningReturnsWhenTheWindowCloses)
{
    QTimer::singleShot(0, [] {
        auto *w = WindowRegistry::instance().window(QStringLiteral("Form8"));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isModal());
        w->close();
    });
    reg().openModal(QStringLiteral("Form8"));
    EXPECT_FALSE(reg().isLoaded(QStringLiteral("Form8")));
    EXPECT_EQ(log, QStringList({QStringLiteral("load Form8"), QStringLiteral("close Form8")}));
}

TEST_F(Registry, StateKeptForAWindowOutlivesItsClosing)
{
    struct Kept { int count = 0; };
    reg().persistentState<Kept>(QStringLiteral("Form1")).count = 7;
    reg().open(QStringLiteral("Form1"));
    reg().close(QStringLiteral("Form1"));
    EXPECT_EQ(reg().persistentState<Kept>(QStringLiteral("Form1")).count, 7);
}

TEST(WindowLayer, DisabledFieldsTakeTheButtonFaceColour)
{
    QLineEdit field;
    setFieldEnabled(&field, false);
    EXPECT_FALSE(field.isEnabled());
    EXPECT_EQ(field.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Active, QPalette::Button));
    setFieldEnabled(&field, true);
    EXPECT_TRUE(field.isEnabled());
    EXPECT_EQ(field.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Active, QPalette::Base));
}

TEST(WindowLayer, MessageBoxIsUsableWhileTheWindowBehindIsBusy)
{
    QMainWindow window;
    window.show();
    BusyState busy(&window);
    QtDialogs real;
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isEnabled());
        EXPECT_EQ(box->windowTitle(), appTitle());
        EXPECT_EQ(box->text(), u"テスト");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons().size(), 1);
        checked = true;
        box->accept();
    });
    real.message(QStringLiteral("テスト"));
    EXPECT_TRUE(checked);
}

namespace {
// A window whose state is one text, shown in its box; an edit of the box runs a handler.
class StateWindow : public Window
{
public:
    StateWindow() : Window(QStringLiteral("Form2"))
    {
        box = new QLineEdit(this);
        setCentralWidget(box);
        connect(box, &QLineEdit::textChanged, this, [this] { guard(QStringLiteral("Text1_Change"), [this] { ++edits; }); });
    }
    QString state;
    QLineEdit *box;
    int shows = 0, edits = 0, takes = 0;
    bool failingShow = false;

protected:
    void takeState() override
    {
        ++takes;
        state = box->text();
    }
    void showState() override
    {
        ++shows;
        if (failingShow)
            throw Failure(QStringLiteral("show"));
        box->setText(state);
    }
};
} // namespace

// Each box of a press stands over what the press has set by then, its failure box
// included; one show a box, however deep the press; showing starts no handler; a
// show that fails keeps neither the box nor the rest of the press from coming.
TEST(WindowLayer, ABoxStandsOverWhatItsPressHasSetSoFar)
{
    ScopedFakeDialogs fake;
    StateWindow w;
    QStringList behind;
    fake->onMessage = [&](const QString &text) { behind << text + u'|' + w.box->text(); };
    w.guard(QStringLiteral("Command1_Click"), [&] {
        w.state = QStringLiteral("150");
        message(QStringLiteral("a"));
        w.guard(QStringLiteral("KEISAN"), [&] {
            w.state = QStringLiteral("96");
            message(QStringLiteral("b"));
        });
        w.state = QString();
        throw Failure(QStringLiteral("part-way"));
    });
    EXPECT_EQ(behind, (QStringList{u"a|150"_qs, u"b|96"_qs, u"エラーが発生しました。Command1_Click|"_qs}));
    EXPECT_EQ(w.shows, 3);
    EXPECT_EQ(w.edits, 0);

    message(QStringLiteral("no press"));
    EXPECT_EQ(w.shows, 3);

    w.failingShow = true;
    bool wentOn = false;
    w.guard(QStringLiteral("Command2_Click"), [&] {
        message(QStringLiteral("c"));
        wentOn = true;
    });
    EXPECT_TRUE(wentOn);
    EXPECT_EQ(fake->messages.last(), u"c");
}

// A press first takes the screen into the window's state, once however deep the press,
// so that what it shows before a box and at its end puts back only what it has set: a
// text the user typed since the last press stays as typed.
TEST(WindowLayer, APressTakesTheScreenInBeforeItsHandlerRuns)
{
    ScopedFakeDialogs fake;
    StateWindow w;
    w.box->setText(QStringLiteral("55"));
    w.state = QStringLiteral("30"); // the state of the last press, before the user typed
    const int takes = w.takes;
    QStringList behind;
    fake->onMessage = [&](const QString &text) { behind << text + u'|' + w.box->text(); };
    w.guard(QStringLiteral("IDM_EXLSAVE"), [&] {
        EXPECT_EQ(w.state, u"55");
        message(QStringLiteral("a"));
        w.guard(QStringLiteral("inner"), [&] { message(QStringLiteral("b")); });
    });
    EXPECT_EQ(behind, (QStringList{u"a|55"_qs, u"b|55"_qs}));
    EXPECT_EQ(w.takes, takes + 1);
    EXPECT_EQ(w.box->text(), u"55");
}

TEST_F(Registry, LoadAndUnloadStepsAreSlotsByTheirNames)
{
    Window *w = reg().load(QStringLiteral("Form1"));
    EXPECT_TRUE(QMetaObject::invokeMethod(w, "Form_Load"));
    EXPECT_EQ(static_cast<CountingWindow *>(w)->loads, 2);
    EXPECT_GE(w->metaObject()->indexOfSlot("Form_Unload()"), 0);
}

TEST(WindowLayer, BoxesWithoutTheFocusShowTheBeginningOfTheirText)
{
    // Boxes far too narrow for their texts.
    const QString longText = QStringLiteral("熱アナログスポット（試験用の長い名称）");
    Window w(QStringLiteral("Form1"));
    auto *client = new QWidget(&w);
    w.setCentralWidget(client);
    auto *first = new QLineEdit(client);
    auto *name = new QLineEdit(client);
    auto *site = new QComboBox(client);
    site->setEditable(true);
    for (QWidget *box : {static_cast<QWidget *>(first), static_cast<QWidget *>(name), static_cast<QWidget *>(site)})
        box->setFixedWidth(60);
    name->setText(longText); // by the load step, before the window shows
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(first->hasFocus());
    EXPECT_EQ(name->cursorPosition(), 0);

    // Set by the program: a new text, the same text again (no change is reported), a combo box's text.
    name->setText(longText + QStringLiteral("２"));
    EXPECT_EQ(name->cursorPosition(), 0);
    name->setText(name->text());
    EXPECT_EQ(name->cursorPosition(), 0);
    site->setEditText(longText);
    EXPECT_EQ(site->lineEdit()->cursorPosition(), 0);

    // While a box has the focus its cursor goes where typing and the program put it.
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_TRUE(name->hasFocus());
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, "12");
    EXPECT_EQ(name->cursorPosition(), name->text().size());
    name->setText(longText);
    EXPECT_EQ(name->cursorPosition(), longText.size());

    // Leaving a box shows its beginning again.
    QTest::keyClick(name, Qt::Key_Tab);
    ASSERT_TRUE(site->hasFocus());
    EXPECT_EQ(name->cursorPosition(), 0);
    QTest::keyClick(site, Qt::Key_End);
    EXPECT_EQ(site->lineEdit()->cursorPosition(), longText.size());
    QTest::keyClick(site, Qt::Key_Backtab);
    EXPECT_TRUE(name->hasFocus());
    EXPECT_EQ(site->lineEdit()->cursorPosition(), 0);
}
