#pragma once

// The cable list of the rack, wiring-duct and raceway windows: registration by
// exact name from the cable rows of CABLE-PIPE, deletion of a row, the prefix
// search with its listing under the registered rows, the grid click and the
// cable-kind menus. Each window derives its state from this one.

#include "cablesearch.h"
#include "controls.h"
#include "gridmodel.h"
#include "texttable.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace kb {

class CableListModel
{
public:
    // Field 3 of a row: the outer diameter (rack windows) or the section area (raceway).
    enum class Field3 { OuterDiameter, SectionArea };

    CableListModel(Field3 field3, const QStringList &headings, const int (&widths)[6]);
    virtual ~CableListModel() = default;
    CableListModel(const CableListModel &) = delete;
    CableListModel &operator=(const CableListModel &) = delete;

    static constexpr int kGridRows = 100; // heading row 0, rows 1..99
    static constexpr int kColumns = 6;

    // ---- controls ----
    QString Combo3, Combo5 = QStringLiteral("1");
    QStringList Combo3Items, Combo5Items;
    QString Label1, Label10;
    QString Command1 = QStringLiteral("電線登録");
    GridModel MSFlexGrid1;

    QString focusRequest; // control to take the focus after the handler
    std::function<void()> beginBusy, endBusy;

    // ---- state ----
    TextTable CABLE_DATA;
    using Row = std::array<QString, kColumns>;
    std::array<Row, kGridRows + 1> DENSEN_TOROKU{}; // rows 1..99 used
    int TOROKU_SUU = 0;
    int SENTAKU_GYOU = 0;
    int SAKUJO_MODE = 0;
    int KENSAKU_HYOJI = 0;
    int KENSAKU_GYOU = 0;
    QString DENSEN_MEI;

    // ---- handlers ----
    void Command1_Click(); // 電線登録 / 削除
    void IDM_SAKUJO_Click();
    void Command7_Click(); // 検索
    void IDM_KENSASAKUJO_Click();
    void MSFlexGrid1_Click();
    void cableKind_Click(QStringView action); // IDM_TUCA_Click ... IDM_EMDOJIKU_Click

    // The items of this window's 電線種別 menu, separator first where one stands.
    const QVector<CableKindMenuItem> &cableKinds() const;

    // The controls of the cable list, for the window's bindings.
    ControlBindings cableListBindings();

protected:
    class Busy
    {
    public:
        explicit Busy(CableListModel &m);
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        CableListModel &m_model;
    };

    // Every 電線登録 press, accepted or refused (the rack windows count calculations).
    virtual void registrationPressed() {}
    // The raceway window begins the search's busy state before the old listing is cleared.
    bool m_busyFromSearchStart = false;
    // The raceway window leaves the focus where it is when the search has no name.
    bool m_focusOnEmptySearch = true;
    // The raceway window has no high-voltage kinds and its own eco-telephone caption.
    bool m_racewayKinds = false;

    void writeHeadings();
    void clearRegisteredRows();
    void loadTable();
    int registeredCount() const;
    // The last steps of 次の計算: the window's own boxes reset, the name and count boxes, the
    // list emptied, and the calculation number advanced. A number that does not read fails
    // after the reset, so the window stays consistent and only the number is left as it was.
    void startNextCalculation(QString &number, const std::function<void()> &resetBoxes); // DENSEN_HONSUU: the counts of the rows added up

private:
    void registerCable();
    void deleteRow();
    void showRow(int r);
    QStringList m_headings;
    int m_busyDepth = 0;
    Field3 m_field3;
};

// The three texts of a registered row that the calculations read, strictly.
double fieldNumber(const CableListModel::Row &row, int field);

} // namespace kb
