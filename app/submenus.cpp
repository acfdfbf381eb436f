#include "submenus.h"

#include <QMenu>

namespace kb {

namespace {

const QString kPrintFailed = QStringLiteral("プリントを中止しました。IDM_PRINT");

MenuButton spare(const QString &caption)
{
    return {caption, std::nullopt, QString(), Picture::Spare};
}

QVector<MenuButton> wireSizeButtons()
{
    return {
        {QStringLiteral("モーター１台"), std::nullopt, QStringLiteral("Form7"), Picture::Motor},
        {QStringLiteral("ﾓｰﾀｰ2台以上"), std::nullopt, QString(), Picture::Motors},
        {QStringLiteral("水銀灯"), std::nullopt, QStringLiteral("Form12"), Picture::MercuryLamp},
        {QStringLiteral("パッケージAC"), std::nullopt, QStringLiteral("Form11"), Picture::PackageAircon},
        {QStringLiteral("電圧降下計算"), std::nullopt, QStringLiteral("Form13"), Picture::VoltageDrop},
        spare(QStringLiteral("予備")),
        spare(QStringLiteral("予備")),
        spare(QStringLiteral("予備")),
    };
}

QVector<MenuButton> voltageDropButtons()
{
    return {
        {QStringLiteral("3 相 3 線 式"), std::nullopt, QStringLiteral("Form14"), Picture::ThreePhase3W},
        {QStringLiteral("1 相 3 線 式"), std::nullopt, QStringLiteral("Form3"), Picture::SinglePhase3W},
        {QStringLiteral("1 相 2 線 式"), std::nullopt, QStringLiteral("Form9"), Picture::SinglePhase2W},
        {QStringLiteral("直 流 2 線 式"), std::nullopt, QStringLiteral("Form15"), Picture::DirectCurrent2W},
        {QStringLiteral("1相3線不平衡"), std::nullopt, QStringLiteral("Form16"), Picture::Unbalanced},
        spare(QStringLiteral("予　　備")),
    };
}

QVector<MenuButton> pullBoxButtons()
{
    return {
        {QStringLiteral("水平左曲り"), QStringLiteral("水平左曲り計算"), QStringLiteral("Form21"), Picture::LeftBend},
        {QStringLiteral("ストレート"), QStringLiteral("ストレート計算"), QStringLiteral("Form23"), Picture::Straight},
        {QStringLiteral("立ち下げ"), QStringLiteral("立ち下げ計算"), QStringLiteral("Form24"), Picture::Drop},
        {QStringLiteral("ねじり右曲り"), QStringLiteral("ねじり右曲がり計算"), QStringLiteral("Form26"), Picture::TwistRight},
        {QStringLiteral("水平右曲り"), QStringLiteral("水平右曲り計算"), QStringLiteral("Form22"), Picture::RightBend},
        {QStringLiteral("ねじり左曲り"), QStringLiteral("ねじり左曲がり計算"), QStringLiteral("Form25"), Picture::TwistLeft},
        {QStringLiteral("段数分割"), QStringLiteral("段数分割"), QStringLiteral("Form27"), Picture::TierDivision},
        {QStringLiteral("予備"), QStringLiteral("予備"), QString(), Picture::Spare},
    };
}

} // namespace

Form6::Form6()
    : MenuWindow(QStringLiteral("Form6"), QStringLiteral("電線サイズ計算メニュー"), wireSizeButtons(),
                 QStringLiteral("Form_Load"), kPrintFailed)
{
    QMenu *file = addTopMenu("IDM_FILE", QStringLiteral("ファイル"));
    addCommand(file, "IDM_PRINT", QStringLiteral("印刷"), &Form6::IDM_PRINT_Click);
    addCommand(file, "IDM_END", QStringLiteral("終了"), &Form6::IDM_END_Click);
    resize(520, 330);
}

Form13::Form13()
    : MenuWindow(QStringLiteral("Form13"), QStringLiteral("電圧降下計算メニュー"), voltageDropButtons(),
                 QStringLiteral(" Form_Load"), QStringLiteral("プリントを中止しました。 IDM_PRINT"))
{
    QMenu *file = addTopMenu("IDM_FILE", QStringLiteral("ファイル"));
    addCommand(file, "IDM_PRINT", QStringLiteral("印　刷"), &Form13::IDM_PRINT_Click);
    addCommand(file, "IDM_END", QStringLiteral("終　了"), &Form13::IDM_END_Click);
    resize(520, 330);
}

Form20::Form20()
    : MenuWindow(QStringLiteral("Form20"), QStringLiteral("P,BOX 計算メニュー"), pullBoxButtons(), std::nullopt, kPrintFailed)
{
    QMenu *file = addTopMenu("IDM_FILE", QStringLiteral("ファイル"));
    addCommand(file, "IDM_PRINT", QStringLiteral("印　刷"), &Form20::IDM_PRINT_Click);
    addSeparator(file, "IDM_KUGIRI1");
    addCommand(file, "IDM_MEND", QStringLiteral("メニューを閉じる"), &Form20::IDM_MEND_Click);
    addSeparator(file, "IDM_KUGIRI2");
    addCommand(file, "IDM_END", QStringLiteral("P,BOX計算全てを閉じる"), &Form20::IDM_END_Click);
    resize(520, 330);
}

QStringList Form20::pullBoxWindows()
{
    return {QStringLiteral("Form21"), QStringLiteral("Form22"), QStringLiteral("Form23"), QStringLiteral("Form24"),
            QStringLiteral("Form25"), QStringLiteral("Form26"), QStringLiteral("Form27")};
}

} // namespace kb
