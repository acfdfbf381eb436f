#include "cablesearch.h"

#include "numtext.h"

namespace kb {

namespace {

bool beginsWith(QStringView name, QStringView prefix)
{
    return sameText(name.left(prefix.size()), prefix);
}

struct SubtypeSkip
{
    int queryClass;
    const char16_t *prefix;
};

// Tested in this order; only whether one holds matters.
const SubtypeSkip kSubtypeSkips[] = {
    {1, u"CVT"}, {1, u"CVD"}, {1, u"CVV"}, {1, u"CVQ"}, {2, u"CVVS"}, {3, u"CPEVS"},
    {1, u"FPT"}, {1, u"FPD"}, {1, u"FPQ"}, {1, u"6KVCVT"}, {1, u"6KVFPT"},
    {1, u"EM-CET"}, {1, u"EM-CED"}, {1, u"EM-CEE"}, {1, u"EM-CEQ"}, {2, u"EM-CEES"},
    {3, u"EM-CPEES"}, {1, u"EM-FPT"}, {1, u"EM-FPD"}, {1, u"EM-FPQ"}, {1, u"6KVEM-CET"},
    {1, u"6KVEM-FPT"},
};

constexpr int kSubtypeSteps = 30;

} // namespace

bool isBlankName(QStringView name)
{
    return trimBlanks(toHalfWidthAscii(name)).isEmpty();
}

int queryClass(QStringView query)
{
    static const struct { int cls; const char16_t *names[8]; } classes[] = {
        {1, {u"CV", u"FP", u"6KVCV", u"6KVFP", u"EM-CE", u"EM-FP", u"6KVEM-CE", u"6KVEM-FP"}},
        {2, {u"CVV", u"EM-CEE"}},
        {3, {u"CPEV", u"EM-CPEE"}},
    };
    const QString q = trimTrailingBlanks(query);
    for (const auto &c : classes)
        for (const char16_t *name : c.names)
            if (name && sameText(q, QStringView(name)))
                return c.cls;
    return 0;
}

bool isSubtypeOf(int cls, QStringView cableName)
{
    for (const SubtypeSkip &s : kSubtypeSkips)
        if (s.queryClass == cls && beginsWith(cableName, QStringView(s.prefix)))
            return true;
    return false;
}

void scanCableRows(const TextTable &t, const QString &query, const std::function<void(int row)> &listRow,
                   SubtypePass pass)
{
    const QString q = trimTrailingBlanks(query);
    const int cls = queryClass(q);
    const auto name = [&](int r) { return trimTrailingBlanks(t.at(1, r)); };
    for (int r = cablepipe::CableFirst; r <= cablepipe::CableLast; ++r) {
        if (!beginsWith(name(r), q))
            continue;
        for (int step = 0; step < kSubtypeSteps; ++step) {
            if (pass == SubtypePass::OneRowPerStep) {
                if (isSubtypeOf(cls, name(r)))
                    ++r;
                continue;
            }
            for (const SubtypeSkip &s : kSubtypeSkips)
                if (s.queryClass == cls && beginsWith(name(r), QStringView(s.prefix)))
                    ++r;
        }
        listRow(r);
    }
}

CableListing cableListing(const TextTable &t, int row)
{
    return {trimTrailingBlanks(t.at(1, row)), numberShown(t.at(2, row)), numberShown(t.at(3, row))};
}

CableNumbers cableNumbers(const TextTable &t, int row)
{
    if (row == 0)
        return {};
    const auto positive = [](QStringView cell) -> std::optional<double> {
        const std::optional<double> v = tryReadNumber(cell);
        return v && *v > 0 ? v : std::nullopt;
    };
    const CableRow cable = cableRow(t, row);
    return {positive(cable.outerDiameter), positive(cable.sectionArea), positive(cable.unitWeight)};
}

const QVector<CableKindMenuItem> &cableKindMenu()
{
    static const QVector<CableKindMenuItem> items = {
        {"IDM_TUCA", u"低圧ケーブル"_qs, u"低圧電線・ｹｰﾌﾞﾙ"_qs, CableKind::LowVoltage, false, false, nullptr},
        {"IDM_JAKU", u"弱電ケーブル"_qs, u"弱電ｹｰﾌﾞﾙ"_qs, CableKind::WeakCurrent, false, false, nullptr},
        {"IDM_DOJIKU", u"電話:ケーブル"_qs, u"通信(電話)"_qs, CableKind::Communication, false, false, nullptr},
        {"IDM_KOUATU", u"高圧ケーブル"_qs, u"高圧電線・ｹｰﾌﾞﾙ"_qs, CableKind::HighVoltage, false, false, nullptr},
        {"IDM_CASTAMA", u"一般・カスタマイズ"_qs, u"一般カスタマイズ"_qs, CableKind::Custom, false, true, "IDM_KUGIRI1"},
        {"IDM_ECOTEIATU", u"エコ低圧ｹｰﾌﾞﾙ"_qs, u"エコ低圧"_qs, CableKind::LowVoltage, true, true, "IDM_KUGIRI2"},
        {"IDM_JAKUECO", u"エコ弱電ｹｰﾌﾞﾙ"_qs, u"エコ弱電"_qs, CableKind::WeakCurrent, true, false, nullptr},
        {"IDM_EMDOJIKU", u"エコ電話ケーブル"_qs, u"エコ通信(電話)"_qs, CableKind::Communication, true, false, nullptr},
        {"IDM_EMKOATU", u"エコ高圧ケーブル"_qs, u"エコ高圧"_qs, CableKind::HighVoltage, true, false, nullptr},
        {"IDM_CASTAMB", u"エコ・カスタマイズ"_qs, u"エコカスタマイズ"_qs, CableKind::Custom, true, true, "IDM_KUGIRI17"},
    };
    return items;
}

const CableKindMenuItem *cableKindMenuItem(QStringView action)
{
    for (const CableKindMenuItem &item : cableKindMenu())
        if (action == QLatin1String(item.action))
            return &item;
    return nullptr;
}

} // namespace kb
