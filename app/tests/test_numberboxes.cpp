// Every calculator's number boxes: a text that is no number ("30m", "1,000") gets the prompt
// the window shows for an empty box, and nothing changes; no bare error box for the user's typing.

#include "detectormodel.h"
#include "form12model.h"
#include "form11model.h"
#include "form1model.h"
#include "form7model.h"
#include "pullboxdesign.h"
#include "pullboxmodel.h"
#include "rackmodel.h"
#include "refdata.h"
#include "testenv.h"
#include "unbalanced.h"
#include "vdwindow.h"

#include <functional>
#include <gtest/gtest.h>

using namespace kb;

namespace {

// What a press showed: the boxes, else the status line; and whether the window kept its state.
struct Seen
{
    QString prompt;
    bool unchanged = false;
};

// Presses with `bad` in the box after `state` was taken, and sees whether the state held.
Seen press(test::TestFolder &folder, const std::function<QStringList()> &state, QString &box, const QString &bad,
           const std::function<void()> &handler, const QString *statusLine = nullptr)
{
    const QStringList before = state();
    folder.fake().messages.clear();
    box = bad;
    handler();
    Seen seen;
    seen.prompt = folder.messages().isEmpty() ? (statusLine ? *statusLine : QString()) : folder.messages().join(u'|');
    seen.unchanged = state() == before;
    return seen;
}

Seen voltageDrop(const char *form, bool load, const QString &bad)
{
    test::TestFolder folder;
    vd::VoltageDropModel m(*vd::variantOf(QString::fromLatin1(form)));
    m.MSFlexGrid1.setShape(101, 21);
    m.Text1 = u"30"_qs;
    m.Text4 = u"5.5"_qs;
    m.Combo2 = u"0.8"_qs;
    m.Combo3 = u"210V"_qs;
    const auto state = [&] { return QStringList{m.Label12, m.Label11, m.Combo1, m.Combo4, m.Combo5, m.MSFlexGrid1.textMatrix(1, 1)}; };
    return press(folder, state, load ? m.Text4 : m.Text1, bad, [&] { m.Command1_Click(); });
}

// The motor after a first calculation of 22 kW, 200 V class, in design mode on the default data.
Seen motorLength(const QString &bad)
{
    test::TestFolder folder;
    feeder::Form7Model m;
    m.DD = test::readDataText("CABLE-SIZE.txt", db::CableSize);
    m.layOutGrid();
    m.setDefaults();
    m.KEISAN_MODE = u"SEKKEI"_qs;
    m.Combo1 = u"22"_qs;
    m.Combo2 = u"200V級"_qs;
    m.Combo3 = u"直入れ"_qs;
    m.Text2 = u"1"_qs;
    m.Command1_Click();
    if (m.MSFlexGrid1.textMatrix(1, 11).isEmpty() || !folder.messages().isEmpty())
        return {u"no first calculation"_qs, false};
    const auto state = [&] {
        QStringList cells{m.Combo4, m.Combo5, m.Combo6, m.Label1};
        for (int c = 1; c <= 25; ++c)
            cells << m.MSFlexGrid1.textMatrix(1, c);
        return cells;
    };
    return press(folder, state, m.Text1, bad, [&] { m.Command1_Click(); });
}

// The lamp window's group A circuit; `box` picks the box that gets the bad text.
Seen lampBox(QString feeder::Form12Model::*box, const QString &bad)
{
    test::TestFolder folder;
    feeder::Form12Model m;
    m.Combo1 = u"2"_qs;
    m.Combo2 = u"400"_qs;
    m.Combo3 = u"10"_qs;
    m.Combo4 = u"200"_qs;
    m.Combo5 = u"130"_qs;
    m.Text1 = u"100"_qs;
    m.Text4 = u"20"_qs;
    const auto state = [&] { return QStringList{m.Label19, m.Label20, m.Text12, m.Text13, m.MSFlexGrid1.textMatrix(1, 1)}; };
    return press(folder, state, m.*box, bad, [&] { m.Command1_Click(); });
}

Seen packageCapacity(QString feeder::Form11Model::*box, const QString &bad)
{
    test::TestFolder folder;
    feeder::Form11Model m;
    m.Combo1 = u"5.5"_qs;
    m.Combo2 = u"3.7"_qs;
    const auto state = [&] { return QStringList{m.Text1, m.Text4, m.Text5, m.MSFlexGrid1.textMatrix(1, 1)}; };
    return press(folder, state, m.*box, bad, [&] { m.Command1_Click(); });
}

Seen unbalancedLoad(const QString &bad)
{
    test::TestFolder folder;
    Form16Model m;
    m.Text2 = u"1"_qs;
    m.Text3 = u"5"_qs;
    m.Text5 = u"5"_qs;
    m.Text7 = u"5"_qs;
    const auto state = [&] { return QStringList{m.Label2, m.MSFlexGrid1.textMatrix(1, 1)}; };
    return press(folder, state, m.Text5, bad, [&] { m.Command1_Click(); });
}

Seen pullBoxSize(const QString &bad)
{
    test::TestFolder folder;
    pullbox::PullBoxModel m(pullbox::straight());
    m.Form_Load();
    const auto state = [&] { return QStringList{QString::number(m.s.HONSUU), m.Label1, m.MSFlexGrid1.textMatrix(1, 0)}; };
    return press(folder, state, m.Combo1, bad, [&] { m.Command4_Click(); });
}

Seen detectorSize(bool depth, const QString &bad)
{
    test::TestFolder folder;
    fa::DetectorState s;
    fa::DetectorModel m(fa::ordinaryRoom(), s);
    m.loadControls();
    m.loadLists();
    m.Combo4 = u"本社ビル"_qs;
    m.Combo5 = u"事務室"_qs;
    m.Text4 = u"10"_qs;
    m.Text5 = u"15"_qs;
    m.Combo1 = u"差動スポット"_qs;
    m.Combo2 = u"4m未満"_qs;
    m.Combo3 = u"0.4m未満"_qs;
    m.Option1 = 1;
    m.Option2 = 0;
    const auto state = [&] { return QStringList{m.Text3, m.Text6, m.Text7, m.Label16, m.MSFlexGrid1.textMatrix(1, 1)}; };
    return press(folder, state, depth ? m.Text5 : m.Text4, bad, [&] { m.Command2_Click(); });
}

// The cable count of the conduit and the rack windows, asked for in their status line.
template<class Model> Seen cableCount(const QString &cable, const QString &bad)
{
    test::TestFolder folder;
    Model m;
    m.Form_Load();
    m.Combo3 = cable;
    const auto state = [&] { return QStringList{QString::number(m.TOROKU_SUU), m.MSFlexGrid1.textMatrix(1, 1)}; };
    return press(folder, state, m.Combo5, bad, [&] { m.Command1_Click(); }, &m.Label1);
}

} // namespace

TEST(NumberBoxes, ATextThatIsNoNumberGetsTheBoxsOwnPrompt)
{
    const QString length = u"ケーブルの長さを入力して下さい。"_qs, load = u"負荷の容量を入力して下さい。"_qs;
    const QString motorPrompt = u"必須条件３箇所,定格電流,電線長さを入力してください。"_qs;
    const QString lampLengthPrompt = u"電線の長さを入力してください。"_qs, lampCount = u"器具の灯数を入力してください。"_qs;
    const QString lampGroup = u"倍率又はＢグループを入力してください。"_qs;
    const QString packageTotal = u"負荷全体の容量を入力してください。"_qs, packageLargest = u"負荷の中で最大の容量を入力してください。"_qs;
    const QString tLoad = u"Ｔ相の負荷をを入力して下さい。"_qs;
    const QString size = u"配管サイズを選択して下さい。"_qs, sizes = u"間口及び奥行き寸法を入力して下さい。"_qs;
    const QString count = u"電線本数を設定して下さい。"_qs;
    const struct
    {
        const char *what;
        std::function<Seen(const QString &)> press;
        const QString &prompt;
    } cases[] = {
        {"Form14 length", [](const QString &t) { return voltageDrop("Form14", false, t); }, length},
        {"Form14 load", [](const QString &t) { return voltageDrop("Form14", true, t); }, load},
        {"Form3 length", [](const QString &t) { return voltageDrop("Form3", false, t); }, length},
        {"Form9 length", [](const QString &t) { return voltageDrop("Form9", false, t); }, length},
        {"Form15 load", [](const QString &t) { return voltageDrop("Form15", true, t); }, load},
        {"Form7 length after a calculation", motorLength, motorPrompt},
        {"Form12 primary length", [](const QString &t) { return lampBox(&feeder::Form12Model::Text1, t); }, lampLengthPrompt},
        {"Form12 secondary length", [](const QString &t) { return lampBox(&feeder::Form12Model::Text4, t); }, lampLengthPrompt},
        {"Form12 lamp count", [](const QString &t) { return lampBox(&feeder::Form12Model::Combo3, t); }, lampCount},
        {"Form12 ratio", [](const QString &t) { return lampBox(&feeder::Form12Model::Combo1, t); }, lampGroup},
        {"Form11 total", [](const QString &t) { return packageCapacity(&feeder::Form11Model::Combo1, t); }, packageTotal},
        {"Form11 largest", [](const QString &t) { return packageCapacity(&feeder::Form11Model::Combo2, t); }, packageLargest},
        {"Form16 T-N load", unbalancedLoad, tLoad},
        {"pull box size", pullBoxSize, size},
        {"Frm1 width", [](const QString &t) { return detectorSize(false, t); }, sizes},
        {"Frm1 depth", [](const QString &t) { return detectorSize(true, t); }, sizes},
        {"Form1 count", [](const QString &t) { return cableCount<Form1Model>(u"IV2.0"_qs, t); }, count},
        {"Form17 count", [](const QString &t) { return cableCount<Form17Model>(u"CVT22"_qs, t); }, count},
    };
    for (const auto &c : cases) {
        for (const QString bad : {u"30m"_qs, u"1,000"_qs, u"abc"_qs}) {
            const Seen seen = c.press(bad);
            EXPECT_EQ(seen.prompt, c.prompt) << c.what << " " << bad.toStdString();
            EXPECT_TRUE(seen.unchanged) << c.what << " " << bad.toStdString();
        }
    }
}
