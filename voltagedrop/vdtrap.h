#pragma once

#include "dialogs.h"

#include <QString>
#include <functional>

namespace kb::vd {

// A procedure of a calculator window with its own error trap: any failure shows
// "エラーが発生しました。" followed by the procedure's name and ends the procedure;
// its caller carries on.
inline bool trapped(const QString &tag, const std::function<void()> &procedure)
{
    try {
        procedure();
        return true;
    } catch (...) {
        errorBox(tag);
        return false;
    }
}

} // namespace kb::vd
