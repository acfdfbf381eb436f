// A cell holding bytes that are no text gives no figure, not even from its readable part. A
// damaged database row refuses the calculation with the window's box for that look-up and writes
// nothing; a damaged number cell read back from a result file shows in its box with the
// unreadable part marked, and the box's strict read asks for the figure.
// Each case runs on the intact file and on the same file with one record damaged.

#include "cellfile.h"
#include "detectormodel.h"
#include "form11model.h"
#include "form12model.h"
#include "form7model.h"
#include "numtext.h"
#include "refdata.h"
#include "resultfile.h"
#include "testenv.h"
#include "vdmenus.h"
#include "vdwindow.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace kb;

namespace {

// Overwrites record n of a cell file with raw bytes, padded with half-width blanks.
void damage(const QString &path, qint64 record, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek((record - 1) * kRecordSize));
    ASSERT_EQ(f.write(bytes + QByteArray(kRecordSize - bytes.size(), ' ')), kRecordSize);
}


// What a window showed: its boxes, the figure in the box the case watches, and the grid cell the
// figure ends in.
struct Seen
{
    QStringList boxes;
    QString shown;
    QString written;
    bool operator==(const Seen &) const = default;
};

void PrintTo(const Seen &s, std::ostream *os)
{
    *os << "boxes {" << s.boxes.join(u'|').toStdString() << "} shown \"" << s.shown.toStdString() << "\" written \""
        << s.written.toStdString() << '"';
}

// Damage applied to the file a case reads: a record and its bytes; none for the intact file.
struct Damage
{
    qint64 record = 0;
    QByteArray bytes;
};

// A default database written into the test's folder with the project's writer, then damaged.
void installDefault(test::TestFolder &folder, const char *text, const DatabaseShape &shape, const Damage &d = {})
{
    const QString path = folder.path(QString::fromLatin1(shape.fileName));
    writeTable(path, shape.fileRows, shape.columns, test::readDataText(text, shape));
    if (d.record)
        damage(path, d.record, d.bytes);
}

// The calculators' part of the default CABLE-SIZE, damaged, as the windows load it.
TextTable cableSize(test::TestFolder &folder, const Damage &d)
{
    installDefault(folder, "CABLE-SIZE.txt", db::CableSize, d);
    TextTable t = emptyTable(db::CableSize);
    loadDatabase(db::CableSize, t);
    return t;
}

// The lamp window's first calculation of ten 400 W lamps of ratio 1.7 at 200 V / 130 V on 40 m
// of primary and 10 m of secondary into row 1: 8X2 with earth 3.5, 6.6 V.
void tenLamps(feeder::Form12Model &m, const TextTable &dd)
{
    m.DD = dd;
    m.setDefaults();
    m.Combo1 = u"1.7"_qs;
    m.Combo2 = u"400"_qs;
    m.Combo3 = u"10"_qs;
    m.Text1 = u"40"_qs;
    m.Text4 = u"10"_qs;
    m.Command1_Click();
}

// The detector window on the default rooms, an office (differential detector) of 10 m × 8 m on
// the standard site (row 2).
void office(fa::DetectorModel &m)
{
    m.Form_Load();
    m.Combo4 = u"標準"_qs;
    m.Combo5 = u"事務室"_qs;
    m.Text4 = u"10"_qs;
    m.Text5 = u"8"_qs;
}

// ---- Database rows ----

// The package window, 7.5 kW air-cooled with a largest motor of 5.5 kW started direct-on-line,
// breaker: row 127 column 7 is its breaker frame (100 AF), row 156 its conduit with earth 5.5.
Seen package(const Damage &d)
{
    test::TestFolder folder;
    feeder::Form11Model m;
    m.DD = cableSize(folder, d);
    m.layOutGrid();
    m.setDefaults();
    m.Combo1 = u"7.5"_qs;
    m.Combo2 = u"5.5"_qs;
    m.Command1_Click();
    return {folder.messages(), m.Label5 + u' ' + m.Label6 + u' ' + m.Label7 + u' ' + m.Text1,
            m.MSFlexGrid1.textMatrix(1, 9) + u' ' + m.MSFlexGrid1.textMatrix(1, 12)};
}

// The detector window's 検索 of the office: column 4 of the site row is its differential class, 2;
// the office is room row 51. A site that is in no site row takes site row 2, as 標準 does.
Seen detectorLookUp(const QString &site, const Damage &d)
{
    test::TestFolder folder;
    installDefault(folder, "KAHOU.txt", db::Kahou, d);
    fa::DetectorState state;
    fa::DetectorModel m(fa::ordinaryRoom(), state);
    office(m);
    m.Combo4 = site;
    m.Command3_Click();
    return {folder.messages(), m.Combo1 + u' ' + QString::number(m.Option1) + u' ' + QString::number(m.Option2),
            QString()};
}

Seen standardSiteLookUp(const Damage &d) { return detectorLookUp(u"標準"_qs, d); }
Seen otherSiteLookUp(const Damage &d) { return detectorLookUp(u"無い現場"_qs, d); }

// The ten lamps' primary 8X2 with earth 3.5 takes the conduit of row 296.
Seen lampConduit(const Damage &d)
{
    test::TestFolder folder;
    feeder::Form12Model m;
    tenLamps(m, cableSize(folder, d));
    return {folder.messages(), m.Label28 + u' ' + m.Label27 + u' ' + m.Label29, m.MSFlexGrid1.textMatrix(1, 23)};
}

// ---- Result files read back ----

// Writes the grid as a result file, damages it, reads it into `grid` as 開く does.
void throughResultFile(test::TestFolder &folder, const ResultFileLayout &layout, GridModel &grid, const Damage &d)
{
    const QString path = folder.path(u"result.qvx"_qs);
    const ResultFile file(layout);
    file.write(path, grid);
    if (d.record)
        damage(path, d.record, d.bytes);
    for (int c = 1; c <= layout.columns; ++c)
        grid.setTextMatrix(1, c, QString());
    file.read(path, grid);
}

// Form14, 30 m at 5.5 kW, 210 V, power factor 0.8, written to row 1 and saved; the saved row
// read back by データ読込み and calculated again. Record 4 is the row's length cell.
Seen voltageDrop(const Damage &d)
{
    test::TestFolder folder;
    vd::VoltageDropModel m(*vd::threePhaseThreeWireWindow().variant);
    vd::WindowProcedures procedures(m, vd::threePhaseThreeWireWindow());
    procedures.layOutGrid();
    procedures.setDefaults();
    m.DD = test::readDataText("CABLE-SIZE.txt", db::CableSize);
    m.Text1 = u"30"_qs;
    m.Text4 = u"5.5"_qs;
    m.Combo2 = u"0.8"_qs;
    m.Combo3 = u"210V"_qs;
    m.Command1_Click();
    if (!folder.messages().isEmpty() || m.MSFlexGrid1.textMatrix(1, 10).isEmpty())
        return {folder.messages(), u"no first calculation"_qs, QString()};
    throughResultFile(folder, resultlayout::VoltageDrop, m.MSFlexGrid1, d);
    procedures.Command2_Click();
    m.MSFlexGrid1.setRow(1);
    procedures.MSFlexGrid1_Click();
    procedures.Command3_Click();
    const QString shown = m.Text1;
    m.Command1_Click();
    return {folder.messages(), shown, m.MSFlexGrid1.textMatrix(1, 4) + u' ' + m.MSFlexGrid1.textMatrix(1, 10)};
}

// A feeder window's row 1 saved, damaged and opened again; then 次の計算, and row 1 picked and
// read back by データ読込み.
template<class FeederModel>
void readFeederRowBack(test::TestFolder &folder, const ResultFileLayout &layout, FeederModel &m, const Damage &d)
{
    throughResultFile(folder, layout, m.MSFlexGrid1, d);
    m.Command2_Click();
    m.MSFlexGrid1.setRow(1);
    m.MSFlexGrid1_Click();
    m.Command5_Click();
}

// The ten lamps' row saved, read back and calculated again. Record 10 is the row's primary length.
Seen lamp(const Damage &d)
{
    test::TestFolder folder;
    feeder::Form12Model m;
    tenLamps(m, test::readDataText("CABLE-SIZE.txt", db::CableSize));
    if (!folder.messages().isEmpty() || m.MSFlexGrid1.textMatrix(1, 14).isEmpty())
        return {folder.messages(), u"no first calculation"_qs, QString()};
    readFeederRowBack(folder, resultlayout::MercuryLamp, m, d);
    const QString shown = m.Text1;
    m.Command1_Click();
    return {folder.messages(), shown,
            m.MSFlexGrid1.textMatrix(1, 10) + u' ' + m.MSFlexGrid1.textMatrix(1, 14) + u' ' + m.MSFlexGrid1.textMatrix(1, 19)};
}

// The motor window's 7.5 kW at 200 V calculated into row 1 and saved; the saved row read back by
// データ読込み and calculated again. Records 3 and 6 are the row's voltage and output.
Seen motor(const Damage &d)
{
    test::TestFolder folder;
    feeder::Form7Model m;
    m.DD = test::readDataText("CABLE-SIZE.txt", db::CableSize);
    m.layOutGrid();
    m.setDefaults();
    m.Combo1 = u"7.5"_qs;
    m.Command1_Click();
    if (!folder.messages().isEmpty() || m.MSFlexGrid1.textMatrix(1, 10).isEmpty())
        return {folder.messages(), u"no first calculation"_qs, QString()};
    readFeederRowBack(folder, resultlayout::Motor, m, d);
    const QString shown = m.Combo2 + u' ' + m.Combo1 + u' ' + m.Label12;
    m.Command1_Click();
    return {folder.messages(), shown, m.MSFlexGrid1.textMatrix(1, 3) + u' ' + m.MSFlexGrid1.textMatrix(1, 6)};
}

// The office calculated into row 1 and saved; read back and calculated again. Record 3 is the row's width.
Seen detectorResult(const Damage &d)
{
    test::TestFolder folder;
    installDefault(folder, "KAHOU.txt", db::Kahou);
    fa::DetectorState state;
    fa::DetectorModel m(fa::ordinaryRoom(), state);
    office(m);
    m.Text1 = u"1"_qs;
    m.Command3_Click();
    m.Command2_Click();
    if (!folder.messages().isEmpty() || m.MSFlexGrid1.textMatrix(1, 10).isEmpty())
        return {folder.messages(), u"no first calculation"_qs, QString()};
    throughResultFile(folder, resultlayout::FireAlarm, m.MSFlexGrid1, d);
    m.MSFlexGrid1.setRow(1);
    m.MSFlexGrid1_Click();
    m.Command1_Click();
    const QString shown = m.Text4;
    m.Command2_Click();
    return {folder.messages(), shown, m.MSFlexGrid1.textMatrix(1, 3) + u' ' + m.MSFlexGrid1.textMatrix(1, 10)};
}

const QString kMark = QString(kUnreadableMark);

} // namespace

TEST(DamagedCells, NoFigureComesFromACellThatCouldNotBeRead)
{
    struct Case
    {
        const char *name;
        std::function<Seen(const Damage &)> run;
        Damage damage;
        Seen intact;
        Seen damaged;
    };
    const QString noPackage = u"適合するパッケージが登録されていません"_qs;
    const QString noConduit = u"電線とアース線に対応する配管サイズが登録されていません"_qs;
    const QString noSite = u"該当する現場名称がありません、手入力して下さい。"_qs;
    const Seen packageIntact{{}, u"100AF E5.5mm2 31  ﾌﾟﾘｶ24 32"_qs, u"100AF E5.5mm2"_qs};
    const Seen lookUpIntact{{}, u"差動スポット 2 0"_qs, QString()};
    const Case cases[] = {
        // The breaker frame "100" as FF FD 30: "��0AF" and "E2mm2" before.
        {"package breaker frame", package, {(127 - 1) * 25 + 7, "\xFF\xFD\x30"}, packageIntact, {{noPackage}, u"   "_qs, u" "_qs}},
        {"package wire length", package, {(127 - 1) * 25 + 4, "3\x81"}, packageIntact, {{noPackage}, u"   "_qs, u" "_qs}},
        // A conduit cell of the wire and earth's row: the press takes back what it showed.
        {"package conduit", package, {(156 - 1) * 25 + 3, "3\xFF"}, packageIntact, {{noConduit}, u"   "_qs, u" "_qs}},
        // The lamp has no box for a missing conduit: the row's conduit stays empty.
        {"lamp conduit", lampConduit, {(296 - 1) * 25 + 3, "2\xFF"}, {{}, u"8X2 E3.5mm2 25 24"_qs, u"25 24"_qs},
         {{}, u"8X2 E3.5mm2 "_qs, QString()}},
        // "2" and a byte that starts no character: read as class 2 before.
        {"detector site class", standardSiteLookUp, {(2 - 1) * 10 + 4, "2\xFF"}, lookUpIntact, {{noSite}, u" -1 -1"_qs, QString()}},
        // The fallback site's record refuses once, before anything is reset or preset.
        {"detector fallback site class", otherSiteLookUp, {(2 - 1) * 10 + 4, "2\xFF"},
         {{noSite}, u"差動スポット 2 0"_qs, QString()}, {{noSite}, u" -1 -1"_qs, QString()}},
        {"detector room type", standardSiteLookUp, {(51 - 1) * 10 + 2, "D\xFD"}, lookUpIntact,
         {{u"該当する部屋名称がありません、手入力して下さい。"_qs}, u" -1 -1"_qs, QString()}},
        // Length "1" followed by 81 20: the row was calculated again on 1 m before.
        {"voltage drop length read back", voltageDrop, {4, "1\x81 "}, {{}, u"30"_qs, u"30 8.7"_qs},
         {{u"ケーブルの長さを入力して下さい。"_qs}, u"1"_qs + kMark, u"1"_qs + kMark + u" 8.7"_qs}},
        {"lamp primary length read back", lamp, {10, "4\x81 "}, {{}, u"40"_qs, u"40 6.6 8X2"_qs},
         {{u"電線の長さを入力してください。"_qs}, u"4"_qs + kMark, u"4"_qs + kMark + u" 6.6 8X2"_qs}},
        // The read-back ended part-way on a bare box, leaving the capacitor of the motor before.
        {"motor voltage read back", motor, {3, "200\xFF"}, {{}, u"200V級 7.5 IV1.6"_qs, u"200V級 7.5kW"_qs},
         {{u"電圧を選択して下さい。"_qs}, u"200"_qs + kMark + u" 7.5 "_qs, u"200"_qs + kMark + u" 7.5kW"_qs}},
        {"motor output read back", motor, {6, "7.5\xFF"}, {{}, u"200V級 7.5 IV1.6"_qs, u"200V級 7.5kW"_qs},
         {{u"モーターの容量を選択して下さい。"_qs}, u"200V級 7.5"_qs + kMark + u" "_qs, u"200V級 7.5"_qs + kMark}},
        {"detector width read back", detectorResult, {3, "1\xFF"}, {{}, u"10"_qs, u"10 2"_qs},
         {{u"間口及び奥行き寸法を入力して下さい。"_qs}, u"1"_qs + kMark, u"1"_qs + kMark + u" 2"_qs}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.run({}), c.intact);
        EXPECT_EQ(c.run(c.damage), c.damaged);
    }
}
