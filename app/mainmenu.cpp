#include "mainmenu.h"

#include "dialogs.h"
#include "registry.h"
#include "windows.h"

#include <QDate>
#include <QLocale>

#ifndef KB_VERSION
#define KB_VERSION "0"
#endif

namespace kb {

namespace {

QVector<MenuButton> mainButtons()
{
    return {
        {QStringLiteral("配管サイズ"), QStringLiteral("配管サイズを計算します。"), QStringLiteral("Form1"), Picture::Conduit},
        {QStringLiteral("ケーブルラック"), QStringLiteral("ケーブルラック計算"), QStringLiteral("Form17"), Picture::CableRack},
        {QStringLiteral("プルボックス"), QStringLiteral("プルボックス計算"), QStringLiteral("Form20"), Picture::PullBox},
        {QStringLiteral("レースウェイ"), QStringLiteral("レースウェイ計算"), QStringLiteral("Form19"), Picture::Raceway},
        {QStringLiteral("電線サイズ"), QStringLiteral("電線サイズ計算"), QStringLiteral("Form6"), Picture::WireSize},
        {QStringLiteral("火災報知設備"), QStringLiteral("火災報知設備"), QStringLiteral("MDIForm1"), Picture::FireAlarm},
        {QStringLiteral("ﾜｲﾔﾘﾝｸﾞﾀﾞｸﾄ"), std::nullopt, QString(), Picture::WiringDuct,
         QStringLiteral("このソフトは、ただ今作成中です。完成までしばらくお待ちください。")},
        {QStringLiteral("データベース"), QStringLiteral("データベース編集"), QStringLiteral("Form8"), Picture::Database},
    };
}

// The compiler's build date ("Dec 10 2026") as the version box shows it.
QString buildDate()
{
    const QString raw = QString::fromLatin1(__DATE__).simplified();
    const QDate date = QLocale::c().toDate(raw, QStringLiteral("MMM d yyyy"));
    return date.isValid() ? date.toString(QStringLiteral("yyyy年M月d日")) : raw;
}

} // namespace

Form5::Form5()
    : MenuWindow(QStringLiteral("Form5"), QStringLiteral("ケンブレルのソフト・メインメニュー"), mainButtons(),
                 QStringLiteral("Form_Load"), QStringLiteral("プリントを中止しました。IDM_PRINT"))
{
    QMenu *file = addTopMenu("IDM_FILE", QStringLiteral("ファイル"));
    addCommand(file, "IDM_PRINT", QStringLiteral("印　刷"), &Form5::IDM_PRINT_Click);
    addSeparator(file, "IDM_KUGIRI");
    addCommand(file, "IDM_MEND", QStringLiteral("メインメニューを閉じる"), &Form5::IDM_MEND_Click);
    addSeparator(file, "IDM_KUGIRI2");
    addCommand(file, "IDM_END", QStringLiteral("全てのウィンドウを終了"), &Form5::IDM_END_Click);
    QMenu *support = addTopMenu("IDM_SAPOTO", QStringLiteral("サポート"));
    addCommand(support, "IDM_CASTAMA", QStringLiteral("カスタマーサポート"), &Form5::IDM_CASTAMA_Click);
    QMenu *version = addTopMenu("IDM_VARJON", QStringLiteral("バージョン情報"));
    addCommand(version, "IDM_JOHO", QStringLiteral("バージョン 情報"), &Form5::IDM_JOHO_Click);
    addCommand(version, "IDM_ANNAI", QStringLiteral("会社案内"), &Form5::IDM_ANNAI_Click);
    addCommand(nullptr, "IDM_DENTAKU", QStringLiteral("電　卓"), &Form5::IDM_DENTAKU_Click);
    resize(520, 330);
}

QString Form5::supportText()
{
    return QStringLiteral("カスタマーサポート\n"
                          "操作方法やご不明な点は、お買い求めの販売店までお問い合わせください。\n"
                          "お問い合わせの際は、バージョン情報をお知らせください。");
}

QString Form5::versionText()
{
    return QStringLiteral("ケンブレルのソフト\n\nバージョン ") + QLatin1String(KB_VERSION)
        + QStringLiteral("\n\nビルド日 ") + buildDate();
}

QString Form5::companyText()
{
    return QStringLiteral("ケンブレル\n電気設備の設計と積算を手助けするソフトウェアを作っています。");
}

void Form5::IDM_MEND_Click()
{
    close();
}

void Form5::IDM_END_Click()
{
    WindowRegistry::instance().closeAll(closeAllOrder());
}

void Form5::IDM_CASTAMA_Click()
{
    message(supportText());
}

void Form5::IDM_JOHO_Click()
{
    message(versionText());
}

void Form5::IDM_ANNAI_Click()
{
    message(companyText());
}

void Form5::IDM_DENTAKU_Click()
{
    startCalculator();
}

} // namespace kb
