// The program on a small screen: where its windows open, whether its grid
// headings fit, and the language of Qt's own dialogs.

#include "flexgrid.h"
#include "language.h"
#include "programtest.h"
#include "window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace kb;

namespace {

using Desktop = test::ProgramTest;

// The headings of a grid whose text does not fit its column in the header's font.
QStringList clippedHeadings(const FlexGrid *grid)
{
    const QHeaderView *header = grid->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const auto needs = [&](const QString &text) { return header->fontMetrics().size(0, text).width() + 2 * margin; };
    QStringList out;
    for (int s = 0; s < header->count(); ++s) {
        const QString text = grid->model()->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString();
        if (header->sectionSize(s) > 0 && header->sectionSize(s) < needs(text))
            out << text;
    }
    const QString corner = grid->textMatrix(0, 0);
    if (grid->verticalHeader()->isVisible() && grid->verticalHeader()->width() < needs(corner))
        out << corner;
    return out;
}

} // namespace

TEST_F(Desktop, EveryWindowOpensWithItsFrameInsideTheFreeScreenSpace)
{
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QString &name : closeAllOrder()) {
        if (!reg().isRegistered(name))
            continue;
        Window *w = reg().open(name);
        QApplication::processEvents();
        const QRect frame = w->frameGeometry();
        if (frame.width() <= free.width() && frame.height() <= free.height())
            EXPECT_TRUE(free.contains(frame)) << name.toStdString() << " " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
        else
            EXPECT_TRUE(free.contains(frame.topLeft())) << name.toStdString() << " " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
        reg().close(name);
        QApplication::processEvents();
    }
}

TEST_F(Desktop, GridHeadingsFit)
{
    for (const char *name : {"Form7", "Form9"}) {
        Window *w = reg().open(QLatin1String(name));
        QApplication::processEvents();
        const FlexGrid *grid = test::child<FlexGrid>(w, "MSFlexGrid1");
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(clippedHeadings(grid), QStringList()) << name;
    }
}

TEST(Language, QtsOwnDialogsSpeakJapanese)
{
    if (!QFile::exists(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_ja.qm"))))
        GTEST_SKIP() << "Qt's Japanese translation (qt6-translations-l10n) is not installed";
    QTranslator *translator = installQtTranslation(qApp);
    ASSERT_NE(translator, nullptr);
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok | QMessageBox::Cancel);
    const QString cancel = box.button(QMessageBox::Cancel)->text();
    QFileDialog dialog(nullptr, QString());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto *fileTypeLabel = dialog.findChild<QLabel *>(QStringLiteral("fileTypeLabel"));
    const QString fileType = fileTypeLabel ? fileTypeLabel->text() : QString();
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(cancel, QStringLiteral("キャンセル"));
    EXPECT_EQ(fileType, QStringLiteral("ファイルの種類:"));
}
