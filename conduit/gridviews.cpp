#include "gridviews.h"

#include "numtext.h"

#include <QStringList>

namespace kb {

const QVector<GridViewItem> &gridViewItems()
{
    static const QString calcForSize = QStringLiteral("配管サイズを表示する場合は「計算」を押してください。");
    static const QVector<GridViewItem> items = {
        {"IDM_DAN", u"断面積"_qs, u"断面積"_qs, calcForSize, GridView::SectionArea},
        {"IDM_GAI", u"外形寸法"_qs, u"外形寸法"_qs, calcForSize, GridView::OuterDiameter},
        {"IDM_GAILU", u"外形寸法累計"_qs, u"外形累計"_qs, calcForSize, GridView::CumulativeDiameter},
        {"IDM_HOSEI", u"補正係数"_qs, u"補正係数"_qs, u"配管の種類によって補正係数が変わってきます。"_qs, GridView::CorrectionFactor},
        {"IDM_MECA", u"電線重量"_qs, u"電線重量g/m"_qs, u"断面積を表示する場合は「計算」を押してください。"_qs, GridView::Weight},
        {"IDM_JOKE", u"条件"_qs, u"条　件"_qs, calcForSize, GridView::Condition},
    };
    return items;
}

const GridViewItem *gridViewItem(QStringView action)
{
    for (const GridViewItem &item : gridViewItems())
        if (action == QLatin1String(item.action))
            return &item;
    return nullptr;
}

QString viewText(GridView view, const CableRecord &r)
{
    switch (view) {
    case GridView::SectionArea: return StrSng(r.sectionArea);
    case GridView::OuterDiameter: return StrSng(r.outerDiameter);
    case GridView::CumulativeDiameter: return StrSng(r.cumulativeDiameter);
    case GridView::CorrectionFactor: return StrSng(r.correctionFactor);
    case GridView::Weight: return r.weightText;
    case GridView::Condition: return r.conditionText;
    }
    return {};
}

std::optional<QString> conduitTypeDescription(const QString &typeBox)
{
    static const struct { const char16_t *type; const char16_t *text; } table[] = {
        {u"PF-CD", u"PF管,CD管は内側の黒い層(自己消火層)がありません。CD管のIV電線使用時はコンクリート内専用です。"},
        {u"C", u"Ｃ:薄鋼電線管,埋込配管又は露出配管工事用"},
        {u"G", u"Ｇ:厚鋼電線管,腐食の恐れのある場所、防爆工事に使用する。ねじなし配管時はＩＶ電線は使用出来ません。"},
        {u"E", u"E:(ねじなし電線)管,配管の両端にねじがありません。肉厚が薄く露出配管時は曲げる時に折れる事がある"},
        {u"PE", u"PE:ポリエチレンライニング鋼管,防食、防錆耐吸水性がある。埋設配管に使用する。"},
        {u"PRI", u"PRI:二種金属可とう管(プリカチューブ),モーターへの接続など可とう性を要する場所に使用"},
        {u"VE", u"VE:ビニル管,屋外等、腐食の恐れのある場所に使用"},
        {u"FEP", u"FPE:地中配管用,呼び線が入っています。"},
        {u"VP", u"VP:硬質ビニル管,屋外等で腐食の恐れ、強度が要求される場所に使用"},
        {u"SGP", u"SGP:配管用炭素鋼管,サイズが(G104)を超える場合にSGP125～200を使用"},
        {u"METAL", u"METAL:屋内の露出配管用,A,B型は一種金属線ぴ(32%)、C型は金属ダクト扱い(20%)で計算"},
    };
    for (const auto &row : table)
        if (sameText(typeBox, QStringView(row.type)))
            return QString::fromUtf16(row.text);
    return std::nullopt;
}

std::optional<QString> cableTypeDescription(const QString &name)
{
    // Longer prefixes of one family stand before the shorter ones.
    static const struct { int first; int last; const char16_t *tests[5]; const char16_t *text; } table[] = {
        {2, 0, {u"IV"}, u"600Vビニル絶縁電線、屋内配線で使用する場合は配管、ダクト等で保護する事"},
        {3, 0, {u"HIV"}, u"600V耐熱ビニル絶縁、許容電流がIVより約19%多くなる。"},
        {3, 0, {u"VVF"}, u"600Vビニル絶縁ビニルシース平型ケーブル、低圧の一般住宅屋内配線用"},
        {3, 0, {u"CVT"}, u"600V単芯より合わせ形架橋ポリエチレン絶縁ビニルシースケーブル、CVと同じ特性で端末の作業性が良い"},
        {4, 0, {u"CVVS"}, u"制御用ビニル絶縁ビニルシースケーブル、600V以下の制御回路配線用遮蔽付"},
        {3, 0, {u"CVV"}, u"制御用ビニル絶縁ビニルシースケーブル、600V以下の制御回路配線用"},
        {3, 0, {u"CVD"}, u"600V架橋ポリエチレン絶縁ビニルシース単芯より合わせ２芯ケーブル、低圧の一般電力配線用"},
        {3, 0, {u"CVQ"}, u"600V架橋ポリエチレン絶縁ビニルシース単芯より合わせ４芯ケーブル、低圧の一般電力配線用"},
        {2, 0, {u"CV"}, u"600V架橋ポリエチレン絶縁ビニルシースケーブル、低圧の一般電力配線用"},
        {3, 0, {u"FPD"}, u"600v低圧耐火単芯より合わせ２芯ケーブル、配管、ダクト及び露出での布設が可能"},
        {3, 0, {u"FPT"}, u"600v低圧耐火単芯より合わせ３芯ケーブル、配管、ダクト及び露出での布設が可能"},
        {3, 0, {u"FPQ"}, u"600v低圧耐火単芯より合わせ４芯ケーブル、配管、ダクト及び露出での布設が可能"},
        {2, 0, {u"FP"}, u"600v低圧耐火ケーブル、配管、ダクト及び露出での布設が可能"},
        {3, 0, {u"VCT"}, u"600Vビニル絶縁ビニルキャブタイヤケーブル、移動用電気機器の配線に最適なケーブル"},
        {5, 0, {u"2PNCT"}, u"600V2種EPゴム絶縁クロロプレンキャブタイヤケーブル、移動用電気機器の配線に最適外径、質量が軽い"},
        {5, 0, {u"3PNCT"}, u"600V3種EPゴム絶縁クロロプレンキャブタイヤケーブル、移動用電気機器の配線に最適外径、質量が軽い"},
        {5, 0, {u"CPEVS"}, u"市内対ポリエチレン絶縁ビニルシース遮蔽付ケーブル60V以下の通信用として用いる"},
        {4, 0, {u"CPEV"}, u"市内対ポリエチレン絶縁ビニルシースケーブル、60V以下の通信用として用いる"},
        {8, 0, {u"600VCPEV"}, u"計装ケーブル、使用電圧600V以下の通信用として用いる"},
        {5, 0, {u"FCPEV"}, u"着色識別ポリエチレン絶縁ビニルシースケーブル、使用電圧60V以下の通信用として用いる"},
        {8, 0, {u"構内ｹｰﾌﾞﾙ"}, u"構内用ケーブル、ビル構内及びPBXの配線に使用"},
        {5, 0, {u"CCP-P"}, u"CCPケーブル、市内電話や有線放送用"},
        {2, 0, {u"HP"}, u"60V以下の耐熱ケーブル、配管、ダクト及び露出での布設が可能"},
        {2, 0, {u"AE"}, u"60V以下の警報用ケーブル、配管、ダクト及び露出での布設が可能"},
        {4, 0, {u"TIVF"}, u"通信用PVC屋内線、保安器と電話機間の配線に使用"},
        {4, 0, {u"TIEV"}, u"通信用PVC屋内ケーブル"},
        {9, 0, {u"ﾎﾞﾀﾝ電話用"}, u"電子ボタン電話用ケーブル、電話機相互間の配線に使用"},
        {2, 0, {u"S-"}, u"テレビ受信用同軸ケーブル、テレビ受信用及び関連機器間の接続に使用"},
        {0, 2, {u"FB"}, u"FB同軸ケーブル、アンテナから機器、テレビ間の宅内配線に使用"},
        {0, 3, {u"HFL"}, u"テレビ受信用同軸ケーブル、アンテナから機器、テレビ間の宅内配線に使用"},
        {5, 0, {u"ENCT5"}, u"エンハンストカテゴリー5LAN用ツイストペアケーブル"},
        {3, 0, {u"CT5"}, u"カテゴリー5LAN用ツイストペアケーブル"},
        {0, 2, {u"2V"}, u"高周波同軸ケーブル、アンテナから機器、テレビ間の宅内配線に使用"},
        {4, 0, {u"L-4E"}, u"ケーブル"},
        {2, 0, {u"4S", u"A2", u"A4", u"A8"}, u"? ケーブル"},
        {3, 0, {u"A12"}, u"? ケーブル"},
    };
    const QStringView box(name);
    for (const auto &row : table) {
        const QStringView part = row.first ? box.left(row.first) : box.right(row.last);
        for (const char16_t *test : row.tests)
            if (test && sameText(part, QStringView(test)))
                return QString::fromUtf16(row.text);
    }
    return std::nullopt;
}

} // namespace kb
