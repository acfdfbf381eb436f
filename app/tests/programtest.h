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
        for (const char *db : {"CABLE-PIPE.qvx", "CABLE-SIZE.qvx", "KAHOU.qvx"})
            QFile::copy(QDir(binDir()).filePath(QLatin1String(db)), folder.path(QLatin1String(db)));
        registerAllWindows();
    }
    void TearDown() override
    {
        reg().reset();
        QApplication::processEvents();
    }
    static WindowRegistry &reg() { return WindowRegistry::instance(); }
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
