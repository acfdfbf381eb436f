#pragma once

// The cable-rack window ケーブルラック幅計算 (Form17) and its variant, the wiring-duct
// window ワイヤリングダクト計算 (Form29), without their widgets: the texts of their
// controls, their state and their procedures. The duct window shows no width and
// no insert, speaks of the duct, and keeps its recalculated weights unrounded.

#include "cablelist.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

namespace kb {

// The numbers of the window that outlive its closing (the next opening does not reset them).
struct RackNumbers
{
    int16_t HABA_GOUKEI = 0, YOYUU_HABA = 0, HITSUYOU_HABA = 0, RACK_HABA = 0;
    int16_t DENSEN_HONSUU = 0, GENSHO_KEISU = 0, RACK_JURYO = 0;
    // Whole tenths of a kg in the rack window; the duct's recalculations keep decimals.
    double DENSEN_JURYO = 0, TSURIMA_JURYO = 0;
    int16_t BORUTO_KAJU = 0, KYOYOU_KAJU3 = 0, KYOYOU_KAJU4 = 0, KYOYOU_KAJU5 = 0;
};

class RackModel : public CableListModel
{
public:
    enum class Variant { Rack, Duct };
    explicit RackModel(Variant variant);

    bool isDuct() const { return m_variant == Variant::Duct; }

    // ---- controls ----
    QString Text1, Text2, Text3, Text4;
    QString Combo1, Combo2, Combo4, Combo6, Combo7, Combo8;
    QStringList Combo1Items, Combo2Items, Combo4Items, Combo6Items, Combo7Items;
    QString Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9 = QStringLiteral("本数");
    QString Label11, Label12, Label13, Label14, Label15;
    bool Combo1Visible = false, Combo2Visible = false, Combo4Visible = false, Combo8Visible = false;
    bool Label13Visible = true;

    // ---- state ----
    int KEISAN_KAISUU = 0;
    std::array<QString, 3> ZENKAI{};
    QString HENKOU_CODE;
    QString RACK_SHUBETU;
    RackNumbers num;

    // ---- handlers ----
    void Form_Load();
    void Command2_Click(); // 計算
    void Command3_Click(); // 次の計算
    void IDM_PITCH100_Click();
    void IDM_PITCH50_Click();

    // ---- procedures ----
    void RACK_KENSA();
    void DENRYU_GENSHO();
    void RACK_OMOSA();
    void DOKO_KAETA();
    void KAETA_KEISAN();
    void BASHO_CICHI();
    void BASHO_CNI();
    void BASHO_CYON();

    ControlBindings bindings();

protected:
    void registrationPressed() override { KEISAN_KAISUU = 0; }

private:
    void addUpList(bool roundWeights);
    // 計算 on a list not calculated yet; throws where the calculation ends on a box.
    void fullCalculation();
    // The results a full calculation writes, emptied when it ends on a box.
    void clearResults();
    // The interval of Combo1, read strictly; none of 0 m or less.
    double hangingInterval() const;
    // Adds the list up afresh for a recalculation. Throws, before anything is written, for a
    // spacing none of the list's; false, over emptied results and the special-order box, where
    // the sum spread by the spacing of Combo2 passes the window's figures.
    bool addUpSpacedList();
    // Text3 after a change: the cable width sum spread by the spacing of Combo2.
    QString spacedWidthSum() const;
    void spanWeightStep(bool roundWeights);
    void insertStep();
    void intervalWarning();
    // Runs a recalculation under its own box; one that ends on the box empties the results.
    void recalculation(const QString &tag, const std::function<void()> &procedure);
    // The words of a list or spacing too wide for the widest rack (duct).
    QString specialOrder() const;
    void setPitch(int pitch);
    Variant m_variant;
};

class Form17Model : public RackModel
{
public:
    Form17Model() : RackModel(Variant::Rack) {}
};

class Form29Model : public RackModel
{
public:
    Form29Model() : RackModel(Variant::Duct) {}
};

// Grid headings and column widths (twips) of the rack windows.
extern const QStringList kRackHeadings;
extern const int kRackColumnWidths[6];

} // namespace kb
