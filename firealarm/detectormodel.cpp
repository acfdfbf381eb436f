#include "detectormodel.h"

#include "dialogs.h"
#include "failure.h"
#include "numtext.h"
#include "refdata.h"

#include <cmath>

namespace kb::fa {

namespace {

const DetectorVariant kOrdinary{Variant::Ordinary, "Frm1", u"感知器台数計算(一般居室)", u"感知器台数計算　(一般居室)", true, false, u"100"};
const DetectorVariant kNarrow{Variant::Narrow, "Frm2", u"細長い部屋", u"感知器台数計算　(細長い部屋)", false, false, u"30"};
const DetectorVariant kRow{Variant::Row, "Frm3", u"小区画が連続", u"感知器台数計算　(小区画が連続)", true, false, u"30"};
const DetectorVariant kSingle{Variant::Single, "Form4", u"火報・区画が１つ", u"感知器台数計算(区画が一つ)", true, true, u"30"};

const QString SearchPrompt = QStringLiteral("現場名称、部屋名称、間口、奥行を入力後検索をクリックして下さい。");
const QString NeedNames = QStringLiteral("現場名称及び部屋名称を入力して下さい。");
const QString NeedSizes = QStringLiteral("間口及び奥行き寸法を入力して下さい。");
const QString NeedCompartment = QStringLiteral("小区画の面積を入力して下さい。");
const QString Off = QStringLiteral("OFF");
const QString On = QStringLiteral("ON");
const QString Dashes = QStringLiteral("-----");

struct Heading
{
    int twips;
    const char16_t *text;
};

// Widths and headings of the result grid's columns 0..15 (the ordinary room's).
const Heading kHeadings[16] = {
    {450, u"ＮＯ"},
    {2000, u"   現  場  名  称            "},
    {2000, u"       部  屋  名  称        "},
    {1000, u" 間　口(m)"},
    {1000, u" 奥　行(m)"},
    {1200, u" 天井高(m)      "},
    {1500, u" 梁の高さ(m)    "},
    {1500, u" 感 知 器 種 類    "},
    {1500, u" 感知器の種別 "},
    {1500, u"感知面積(㎡)/個 "},
    {1300, u"設置台数(個) "},
    {1300, u"対象物の種類 "},
    {1300, u" 部屋面積(㎡) "},
    {1300, u"小区画面積(㎡)"},
    {1300, u"　予　備  "},
    {1300, u"　予　備  "},
};

Heading heading(Variant v, int c)
{
    if (v == Variant::Narrow) {
        switch (c) {
        case 3: return {1500, u" 幅・間口(m)"};
        case 4: return {1500, u" 歩行距離(m)"};
        case 9: return {1500, u"歩行距離(m)/個 "};
        case 12: return {1300, u"部屋面積(㎡) "};
        default: break;
        }
    }
    if (v == Variant::Single && c == 13)
        return {1400, u"小区画面積(㎡) "};
    return kHeadings[c];
}

bool matches(const QString &typed, const QString &stored) { return sameText(trimBlanks(typed), stored); }

// True when cells first..last of the record were read whole (a missing record, row 0, is).
bool readableRecord(const TextTable &table, int row, int first, int last)
{
    for (int c = first; row && c <= last; ++c)
        if (isUnreadable(table.at(c, row)))
            return false;
    return true;
}

const QString NoSite = QStringLiteral("該当する現場名称がありません、手入力して下さい。");
const QString NoRoom = QStringLiteral("該当する部屋名称がありません、手入力して下さい。");

// A width or depth that is no number, or a negative one, is as good as none.
bool noSize(const QString &size)
{
    const auto n = tryReadNumber(size);
    return !n || *n < 0;
}

QString structureText(int option)
{
    return option == 0 ? QStringLiteral("耐火") : option == 1 ? QStringLiteral("その他") : QString();
}

} // namespace

const DetectorVariant &ordinaryRoom() { return kOrdinary; }
const DetectorVariant &narrowRoom() { return kNarrow; }
const DetectorVariant &rowOfRooms() { return kRow; }
const DetectorVariant &singleRoom() { return kSingle; }

const DetectorVariant *detectorVariantOf(const QString &formName)
{
    for (const DetectorVariant *v : {&kOrdinary, &kNarrow, &kRow, &kSingle})
        if (formName == QLatin1String(v->formName))
            return v;
    return nullptr;
}

DetectorModel::DetectorModel(const DetectorVariant &variant, DetectorState &state)
    : KAHOU_DATA(emptyTable(db::Kahou)), m_variant(&variant), m_state(&state)
{
    Label1 = QString::fromUtf16(variant.title);
    MSFlexGrid1.setShape(101, 16);
    MSFlexGrid1.setFixed(1, 1);
    // Cell colours of the design: white cells with white headings and row numbers
    // (light cyan ones in the compartments-in-a-row window); the one-compartment
    // window keeps the system's window and button-face colours (no colour set).
    if (variant.variant != Variant::Single) {
        const GridColor white = gridRgb(0xFF, 0xFF, 0xFF);
        const GridColor fixed = variant.variant == Variant::Row ? gridRgb(0xC0, 0xFF, 0xFF) : white;
        for (int r = 0; r <= 100; ++r)
            for (int c = 0; c <= 15; ++c)
                MSFlexGrid1.setBackColor(r, c, r == 0 || c == 0 ? fixed : white);
    }
}

int16_t &DetectorModel::coverageValue()
{
    return isNarrow() ? m_state->HOKOU_KYORI : m_state->KANCHI_MENSEKI;
}

void DetectorModel::blankResults()
{
    Text3Enabled = false;
    if (m_variant->hasRoomArea)
        Text6Enabled = false;
    Text7Enabled = false;
}

void DetectorModel::emptyResults(bool sizesToo)
{
    Text3.clear();
    if (sizesToo) {
        Text4.clear();
        Text5.clear();
    }
    if (m_variant->hasRoomArea)
        Text6.clear();
    Text7.clear();
}

QString DetectorModel::memoryMessage() const
{
    return QStringLiteral("メモリーは%1迄です｡").arg(QString::fromUtf16(m_variant->memoryLimit));
}

bool DetectorModel::sizesMissing() const
{
    return noSize(Text4) || noSize(Text5);
}

void DetectorModel::loadControls()
{
    Text1 = QStringLiteral("1");
    blankResults();
    Label16 = SearchPrompt;
    Combo1.clear();
    Combo1Items = {QStringLiteral("煙感知器"), QStringLiteral("差動スポット"), QStringLiteral("補償スポット"),
                   QStringLiteral("定温スポット"), QStringLiteral("熱アナログスポット")};
    Combo2.clear();
    Combo2Items = {QStringLiteral("4m未満"), QStringLiteral("4m-8m未満"), QStringLiteral("8m-15m未満"),
                   QStringLiteral("15m-20m未満"), QStringLiteral("20m以上")};
    Combo3.clear();
    Combo3Items = {QStringLiteral("0.4m未満"), QStringLiteral("0.6m未満"), QStringLiteral("0.4m-1m未満"),
                   QStringLiteral("0.6m-1m未満"), QStringLiteral("1m以上")};
}

void DetectorModel::loadLists()
{
    // Each list appends before it tests, so a list cut by an empty name ends with one empty item.
    auto list = [this](int first, int last) {
        QStringList items;
        for (int r = first; r <= last; ++r) {
            items << KAHOU_DATA.at(1, r);
            if (items.last().isEmpty())
                break;
        }
        return items;
    };
    Combo4.clear();
    Combo4Items = list(11, kahou::SiteLast);
    Combo5.clear();
    Combo5Items = list(kahou::RoomFirst, kahou::RoomLast);
    for (int c = 0; c <= 15; ++c)
        MSFlexGrid1.setColWidth(c, heading(m_variant->variant, c).twips);
    for (int n = 1; n <= 30; ++n)
        MSFlexGrid1.setTextMatrix(n, 0, Str(n));
    for (int c = 0; c <= 15; ++c)
        MSFlexGrid1.setTextMatrix(0, c, QString::fromUtf16(heading(m_variant->variant, c).text));
}

void DetectorModel::Form_Load()
{
    loadControls();
    trapped(QStringLiteral("Form"), [this] {
        loadDatabase(db::Kahou, KAHOU_DATA);
        loadLists();
    });
}

// ---- 検索 ----------------------------------------------------------------

void DetectorModel::Command3_Click()
{
    trapped(QStringLiteral("Command3"), [this] { lookUp(); });
}

void DetectorModel::lookUp()
{
    const Variant v = m_variant->variant;
    if (Combo4.isEmpty() || Combo5.isEmpty())
        return message(NeedNames);
    if (sizesMissing())
        return message(NeedSizes);
    if (m_variant->hasCompartment && Text2.isEmpty())
        return message(NeedCompartment);
    // A site or room record that could not be read whole gives nothing, not even its readable
    // part: the look-up's box shows and nothing changes. Every cell 検索 may take is checked,
    // those of the fallback site included; a room look-up that meets no end checks no room here
    // and fails further on, after the reset, as it always has.
    if (!readableRecord(KAHOU_DATA, siteRow().value_or(kahou::SiteFirst), 2, 9))
        return message(NoSite);
    if (!readableRecord(KAHOU_DATA, roomRow().value_or(0), 2, 5))
        return message(NoRoom);

    if (Option1 != 3)
        Option1 = -1;
    Option2 = -1;
    emptyResults(false);
    Combo1.clear();
    Combo2.clear();
    Combo3.clear();
    if (v == Variant::Ordinary)
        Label16 = QStringLiteral("現場名称、部屋名称、間口、奥行を入力後「計算」をクリックして下さい。");
    else if (v != Variant::Row)
        Label16.clear();

    if (!m_variant->hasCompartment) {
        // Both sizes are read before the test: a depth that is no number fails even after a long width.
        const double width = CDbl(Text4), depth = CDbl(Text5);
        if (width > 50 || depth > 50)
            message(QStringLiteral("注意：５０ｍを超える場合は警戒区域を分ける必要があります。"));
    }

    const int site = findSite();
    const QString structure = KAHOU_DATA.at(2, site);
    if (sameText(structure, u"耐火"))
        Option2 = 0;
    else if (sameText(structure, u"その他"))
        Option2 = 1;

    const int room = findRoom();
    if (!room) {
        Combo1 = KAHOU_DATA.at(7, site);
        Combo2 = KAHOU_DATA.at(8, site);
        Combo3 = KAHOU_DATA.at(9, site);
        return message(NoRoom);
    }

    static const std::pair<const char16_t *, const char16_t *> codes[] = {
        {u"S", u"煙感知器"}, {u"D", u"差動スポット"}, {u"T", u"定温スポット"}, {u"W", u"定温防水スポット"}, {u"H", u"補償スポット"}};
    for (const auto &[code, type] : codes)
        if (sameText(KAHOU_DATA.at(2, room), QStringView(code)))
            Combo1 = QString::fromUtf16(type);
    Combo2 = KAHOU_DATA.at(3, room);
    Combo3 = KAHOU_DATA.at(4, room);
    const int confirm = CInt(Val(KAHOU_DATA.at(5, room)));

    presetClass(site);

    if (Option2 < 0)
        return message(QStringLiteral("防火対象物の種別を選択して下さい。-B"));
    if (Combo2.isEmpty() || Combo3.isEmpty())
        return message(QStringLiteral("天井又は梁の高さを入力して下さい。-C"));
    if (confirm == 1)
        Label16 = v == Variant::Narrow ? QStringLiteral("感知器、天井及び梁の高さを確認後「計算」クリックして下さい。")
                                       : QStringLiteral("感知器、天井及び梁の高さを確認後「計算」をクリックして下さい。");
}

std::optional<int> DetectorModel::siteRow() const
{
    for (int r = kahou::SiteFirst; r <= kahou::SiteLast; ++r)
        if (matches(Combo4, KAHOU_DATA.at(1, r)))
            return r;
    return std::nullopt;
}

int DetectorModel::findSite()
{
    if (const std::optional<int> r = siteRow())
        return *r;
    message(NoSite);
    return kahou::SiteFirst;
}

std::optional<int> DetectorModel::roomRow() const
{
    // The name test comes first, so a room named END finds the END row itself.
    for (int r = kahou::RoomFirst; r <= KAHOU_DATA.rows(); ++r) {
        const QString &name = KAHOU_DATA.at(1, r);
        if (matches(Combo5, name))
            return r;
        if (isEndMarker(name))
            return 0;
    }
    return std::nullopt;
}

int DetectorModel::findRoom() const
{
    if (const std::optional<int> r = roomRow())
        return *r;
    throw Failure(QStringLiteral("no end of the room records"));
}

void DetectorModel::presetClass(int site)
{
    // The site's class column for the detector type now in the box.
    switch (detectorType(Combo1)) {
    case DetectorType::Smoke: {
        const double n = Val(KAHOU_DATA.at(3, site));
        if (n == 1 || n == 2 || n == 3)
            Option1 = int(n);
        break;
    }
    case DetectorType::Differential:
    case DetectorType::Compensated: {
        const int column = detectorType(Combo1) == DetectorType::Differential ? 4 : 6;
        const int n = CInt(Val(KAHOU_DATA.at(column, site)));
        if (n == 1 || n == 2)
            Option1 = n;
        break;
    }
    case DetectorType::FixedTemp: {
        const int n = CInt(Val(KAHOU_DATA.at(5, site)));
        if (n >= 1 && n <= 3)
            Option1 = n - 1;
        break;
    }
    default:
        break;
    }
}

// ---- 部屋名称 -------------------------------------------------------------

void DetectorModel::roomList(int firstBlockRow, int lastBlockRow)
{
    // The rooms of every use first, then the use's own block; each block stops
    // after its first empty name, which stays in the list.
    Combo5.clear();
    Combo5Items.clear();
    for (const auto &[first, last] : {std::pair{51, 100}, std::pair{firstBlockRow, lastBlockRow}}) {
        for (int r = first; first && r <= last; ++r) {
            Combo5Items << KAHOU_DATA.at(1, r);
            if (Combo5Items.last().isEmpty())
                break;
        }
    }
}

void DetectorModel::IDM_OFFICE_Click()
{
    trapped(QStringLiteral("IDM_OFFICE"), [this] { roomList(0, 0); });
}

void DetectorModel::IDM_PLANT_Click()
{
    trapped(QStringLiteral("IDM_PLANT"), [this] { roomList(151, 169); });
}

void DetectorModel::IDM_SCHOOL_Click()
{
    trapped(QStringLiteral("IDM_SCHOOL"), [this] { roomList(101, 119); });
}

void DetectorModel::IDM_HOSPITAL_Click()
{
    trapped(QStringLiteral("IDM_HOSPITAL"), [this] { roomList(121, 149); });
}

void DetectorModel::IDM_SONOTA_Click()
{
    trapped(QString(), [this] { roomList(171, 199); });
}

// ---- 計算 ------------------------------------------------------------------

QString DetectorModel::coverageTag(DetectorType type)
{
    switch (type) {
    case DetectorType::Smoke: return QStringLiteral("KEMURI_KEISAN");
    case DetectorType::Differential: return QStringLiteral("SADOU_KEISAN");
    case DetectorType::Compensated: return QStringLiteral("HOSHOU_KEISAN");
    case DetectorType::FixedTemp: return QStringLiteral("TEION_KEISAN");
    case DetectorType::Analog: return QStringLiteral("ANALOG_KEISAN");
    default: return QString();
    }
}

QString DetectorModel::narrowTag(DetectorType type)
{
    switch (familyOf(type)) {
    case Family::Smoke: return QStringLiteral("KEMURI_SYORI");
    case Family::FixedTemp: return QStringLiteral("TEION_SYORI");
    case Family::Analog: return QStringLiteral("ANALOGU_SYORI");
    default: return QStringLiteral("SADOU_SYORI");
    }
}

void DetectorModel::Command2_Click()
{
    if (Combo4.isEmpty() || Combo5.isEmpty())
        return message(NeedNames);
    if (sizesMissing())
        return message(NeedSizes);
    // Without the compartment's area the beam and ceiling go unjudged, and a heat
    // detector would be counted under any ceiling.
    if (m_variant->hasCompartment && !tryReadNumber(Text2))
        return message(NeedCompartment);
    if (Combo1.isEmpty())
        return message(QStringLiteral("感知器の種類を入力して下さい。"));
    // A typed height or beam that is none of the items is no height at all.
    if (!representativeHeight(Combo2))
        return message(QStringLiteral("天井の高さを入力して下さい。"));
    if (!isBeamItem(Combo3))
        return message(QStringLiteral("梁の高さを入力して下さい。"));
    // A row the window does not keep (past its memory, or none at all) is refused before
    // anything changes; an empty data number writes no row. A text that is no number names
    // no row, though it starts with one ("1,000" is not row 1, "30m" not row 30).
    if (!Text1.isEmpty()) {
        const std::optional<double> number = tryReadNumber(Text1);
        const double row = number ? roundHalfEven(*number) : 0;
        if (row < 1 || row > CDbl(QString::fromUtf16(m_variant->memoryLimit)))
            return message(memoryMessage());
    }
    trapped(QStringLiteral("Command2"), [this] { calculate(); });
}

void DetectorModel::calculate()
{
    // Every way out without a count leaves empty results, never an earlier click's.
    blankResults();
    emptyResults(false);
    coverageValue() = 0;
    m_state->TENJOU_TAKASA = int16_t(*representativeHeight(Combo2));
    const DetectorType type = detectorType(Combo1);
    if (type != DetectorType::None)
        coverageStep(type);

    m_state->DATA_NO = CInt(Val(Text1.trimmed()));
    if (!Text1.isEmpty())
        MSFlexGrid1.writeRow(m_state->DATA_NO, resultRow());
    Label16 = (isNarrow() || m_variant->hasCompartment)
                  ? QStringLiteral("設定を変更して再計算できます。詳細は画面を拡大してご覧下さい。")
                  : QStringLiteral("設定を変更して再計算出来ます。詳細は画面を拡大してご覧下さい。");
}

QStringList DetectorModel::resultRow() const
{
    return {Combo4, Combo5, Text4, Text5, Combo2, Combo3, Combo1, classText(Option1), Text3, Text7,
            structureText(Option2), m_variant->hasRoomArea ? Text6 : Dashes,
            m_variant->hasCompartment ? Text2 : Dashes, Dashes, Dashes};
}

void DetectorModel::coverageStep(DetectorType type)
{
    trapped(coverageTag(type), [&] {
        const Variant v = m_variant->variant;
        if (type == DetectorType::Analog) {
            Option1 = -1;
        } else {
            const ClassCheck check = classCheck(v, type, Option1);
            for (const QString &text : check.boxes)
                message(text);
            if (check.ends)
                return;
        }
        if (type != DetectorType::Smoke)
            m_state->KOUZOU_CODE = structureCode(Option2);
        if (type != DetectorType::Analog)
            m_state->SYUBETU_CODE = classCode(Option1);

        narrowRoomRule(type);
        HANTEI_RAN(isSmoke(type));

        const Coverage c = coverage(v, type, m_state->SYUBETU_CODE, m_state->KOUZOU_CODE, m_state->TENJOU_TAKASA);
        for (const QString &text : c.boxes)
            message(text);
        coverageValue() = int16_t(c.value);
        KEISAN_SYORI();
    });
}

void DetectorModel::narrowRoomRule(DetectorType type)
{
    trapped(narrowTag(type), [&] {
        const Family family = familyOf(type);
        if (isNarrow()) {
            if (wideTestApplies(family, m_state->SYUBETU_CODE, m_state->KOUZOU_CODE) && CDbl(Text4) >= 3) {
                message(tooWideMessage());
                m_state->KEISAN_FLAG = On;
            }
            return;
        }
        const auto limit = narrowLimit(family, m_state->SYUBETU_CODE, m_state->KOUZOU_CODE);
        if (!limit || !tooNarrow(CDbl(Text4), CDbl(Text5), *limit))
            return;
        NYURYOKU_CLIAR();
        message(tooNarrowMessage(family));
        m_state->KEISAN_FLAG = On;
    });
}

void DetectorModel::HANTEI_RAN(bool smoke)
{
    trapped(QStringLiteral("HANTEI_RAN"), [&] {
        m_state->KOUZOU_CODE = structureCode(Option2);
        const BeamCode beam = beamCode(m_variant->variant, smoke, Combo3);
        Combo3 = beam.beamText;
        if (beam.code)
            m_state->HARI_CODE = int16_t(*beam.code);
        const double area = m_variant->hasCompartment ? CDbl(Text2) : 0;
        const Verdict verdict = beamVerdict(m_variant->variant, smoke, m_state->HARI_CODE, m_state->TENJOU_TAKASA, area);
        if (!verdict.warning.isEmpty())
            message(verdict.warning);
        if (verdict.refusal.isEmpty())
            return;
        message(verdict.refusal);
        blankResults();
        emptyResults(false);
        Label16.clear();
        m_state->KEISAN_FLAG = On;
    });
}

void DetectorModel::KEISAN_SYORI()
{
    trapped(QStringLiteral("KEISAN_SYORI"), [this] {
        if (sameText(m_state->KEISAN_FLAG, On)) {
            m_state->KEISAN_FLAG = Off;
            return;
        }
        const int16_t per = coverageValue();
        if (per == 0)
            return message(QStringLiteral("天井が高すぎます。"));
        double ratio = 0;
        if (isNarrow()) {
            ratio = CDbl(Text5) / per;
        } else {
            const double area = CDbl(Text4) * CDbl(Text5);
            if (!std::isfinite(area))
                throw Failure(QStringLiteral("room area overflow"));
            Text6 = Str(area);
            ratio = CDbl(Text6) / per;
        }
        Text7 = Str(detectorCount(ratio));
        Text3 = Str(int(per));
        Text3Enabled = Text6Enabled = Text7Enabled = true;
    });
}

// ---- rows and clearing -----------------------------------------------------

void DetectorModel::NYURYOKU_CLIAR()
{
    trapped(QStringLiteral("NYURYOKU_CLIAR"), [this] {
        blankResults();
        emptyResults(true);
    });
}

void DetectorModel::IDM_INCLA_Click()
{
    trapped(QStringLiteral("IDM_INCLA"), [this] { NYURYOKU_CLIAR(); });
}

void DetectorModel::ALL_CLIAR()
{
    trapped(QStringLiteral("ALL_CLIAR"), [this] {
        blankResults();
        Text1.clear();
        emptyResults(true);
        for (QString *combo : {&Combo1, &Combo2, &Combo3, &Combo4, &Combo5})
            combo->clear();
        Label16.clear();
    });
}

void DetectorModel::IDM_ALLCLA_Click()
{
    trapped(QStringLiteral("IDM_ALLCLA"), [this] { ALL_CLIAR(); });
}

void DetectorModel::Command4_Click()
{
    trapped(QStringLiteral("Command4"), [this] {
        const Variant v = m_variant->variant;
        const QString limit = QString::fromUtf16(m_variant->memoryLimit);
        if (Text1 == limit) {
            message(memoryMessage());
            Text1 = QStringLiteral("0");
        }
        const bool promptFirst = v == Variant::Row || v == Variant::Single;
        if (promptFirst)
            Label16 = SearchPrompt;
        if (Text1.isEmpty())
            Text1 = QStringLiteral("0");
        Text1 = Str(MSFlexGrid1.nextDataNumber(CDbl(Text1)));
        blankResults();
        emptyResults(true);
        Combo5.clear();
        if (promptFirst)
            Label16.clear();
        else
            Label16 = v == Variant::Narrow ? QStringLiteral("現場名称、部屋名称、間口、奥行を入力後「検索」をクリックして下さい。")
                                           : SearchPrompt;
    });
}

void DetectorModel::MSFlexGrid1_Click()
{
    trapped(QStringLiteral("MSFlexGrid1_Click"), [this] { m_state->SENTAKU_GYOU = CInt(MSFlexGrid1.row()); });
}

void DetectorModel::Command1_Click()
{
    const int16_t row = m_state->SENTAKU_GYOU;
    if (row == 0)
        return message(QStringLiteral("読込む行番号を選択後にクリックして下さい。"));
    trapped(QStringLiteral("Command1"), [&] {
        Text3Enabled = Text7Enabled = true;
        if (m_variant->hasRoomArea)
            Text6Enabled = true;
        // Read by address: the highlight stays on the cell the user chose, where the
        // arrow keys go on from.
        auto cell = [&](int c) { return MSFlexGrid1.textMatrix(row, c); };
        auto number = [&](int c) { return numberShown(cell(c)); };
        // A room refused before its count has none: a "0" would read as no detector needed.
        auto result = [&](int c) {
            const QString text = trimBlanks(cell(c));
            return text.isEmpty() ? text : numberShown(text);
        };
        Text1 = Str(int(row));
        Combo4 = trimBlanks(cell(1));
        Combo5 = trimBlanks(cell(2));
        Text4 = number(3);
        Text5 = number(4);
        Combo2 = trimBlanks(cell(5));
        Combo3 = trimBlanks(cell(6));
        Combo1 = trimBlanks(cell(7));
        if (const int option = classOption(trimBlanks(cell(8))); option >= 0)
            Option1 = option;
        Text3 = result(9);
        Text7 = result(10);
        const QString structure = trimBlanks(cell(11));
        if (sameText(structure, u"耐火"))
            Option2 = 0;
        else if (sameText(structure, u"その他"))
            Option2 = 1;
        if (m_variant->hasRoomArea)
            Text6 = trimBlanks(cell(12));
        m_state->SENTAKU_GYOU = 0;
    });
}

void DetectorModel::IDM_GRCLA_Click()
{
    // Every row that can hold a result, a loaded file's rows past the memory included; the
    // highlighted cell stays where the user has it.
    trapped(QStringLiteral("IDM_GRCLA"), [this] {
        for (int r = 1; r < MSFlexGrid1.rows(); ++r)
            for (int c = 1; c <= 15; ++c)
                MSFlexGrid1.setTextMatrix(r, c, QString());
    });
}

} // namespace kb::fa
