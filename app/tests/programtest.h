#pragma once

#include "registry.h"
#include "window.h"
#include "testenv.h"
#include "windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace kb::test {

// Every window of the program registered, on a copy of the default databases.
class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        copyDatabases();
        registerAllWindows();
    }
    void TearDown() override
    {
        reg().reset();
        QApplication::processEvents();
    }
    static WindowRegistry &reg() { return WindowRegistry::instance(); }
    // Fresh windows on fresh copies of the default databases, with no box recorded yet.
    void startAfresh()
    {
        reg().reset();
        registerAllWindows();
        copyDatabases();
        folder.fake().messages.clear();
    }
    void copyDatabases()
    {
        for (const char *db : {"CABLE-PIPE.qvx", "CABLE-SIZE.qvx", "KAHOU.qvx"}) {
            QFile::remove(folder.path(QLatin1String(db)));
            QFile::copy(QDir(binDir()).filePath(QLatin1String(db)), folder.path(QLatin1String(db)));
        }
    }
    // Opens a window as the menus do and makes it the active one, shown and settled.
    static Window *open(const char *form)
    {
        Window *w = reg().open(QLatin1String(form));
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
        return w;
    }

    TestFolder folder;
};

} // namespace kb::test
