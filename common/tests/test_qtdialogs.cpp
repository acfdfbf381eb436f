// The real dialogs' question to the desktop before a workbook is handed to it.

#include "qtdialogs.h"
#include "testenv.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kb;

namespace {
// Puts a stand-in xdg-mime that prints `answer` (or none at all) first on PATH.
class FakeXdgMime
{
public:
    explicit FakeXdgMime(const char *answer) : m_oldPath(qgetenv("PATH"))
    {
        if (answer) {
            const QString script = m_folder.filePath(QStringLiteral("xdg-mime"));
            test::writeBytes(script, QByteArray("#!/bin/sh\nprintf '%s' '") + answer + "'\n");
            QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(m_folder.path()) + (answer ? ":/bin:/usr/bin" : ""));
    }
    ~FakeXdgMime() { qputenv("PATH", m_oldPath); }

private:
    QTemporaryDir m_folder;
    QByteArray m_oldPath;
};
} // namespace

TEST(DesktopOpen, AWorkbookNoProgramTakesIsNotHandedToTheDesktop)
{
    struct Case { const char *name; const char *answer; bool program; };
    const Case cases[] = {
        {"no program for the type", "\n", false},
        {"a spreadsheet program", "libreoffice-calc.desktop\n", true},
        {"no xdg-mime to ask", nullptr, true},
    };
    for (const Case &c : cases) {
        FakeXdgMime fake(c.answer);
        EXPECT_EQ(desktopHasProgramFor(QStringLiteral("/nowhere/book.xlsx")), c.program) << c.name;
    }
}
