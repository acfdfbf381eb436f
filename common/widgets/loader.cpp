#include "loader.h"

#include "busystate.h"
#include "dialogs.h"

namespace kb {

bool DATA_YOMIKOMI(QWidget *window, const DatabaseShape &shape, TextTable &table, const QString &failTag)
{
    BusyState busy(window);
    try {
        loadDatabase(shape, table);
    } catch (...) {
        busy.end();
        errorBox(failTag);
        return false;
    }
    return true;
}

} // namespace kb
