#pragma once

// The display-free state of one detector calculator window (ordinary room Frm1,
// long narrow room Frm2, compartments in a row Frm3, one compartment Form4) and
// its procedures: load, look-up 検索, building-use room lists, 計算 with its
// coverage steps, narrow-room rules, beam judgement and count, and the grid-row
// commands. The four windows share one design; what sets them apart is data
// (DetectorVariant). Boxes go through kb::message and kb::errorBox.

#include "detectorrules.h"
#include "gridmodel.h"
#include "texttable.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace kb::fa {

struct DetectorVariant
{
    Variant variant;
    const char *formName;     // "Frm1", "Frm2", "Frm3", "Form4"
    const char16_t *caption;  // window caption
    const char16_t *title;    // Label1, the title line
    bool hasRoomArea;         // Text6; not in the long narrow room
    bool hasCompartment;      // Text2, the small compartment's area (Form4)
    const char16_t *memoryLimit; // the data number text that wraps to 1
};

const DetectorVariant &ordinaryRoom();  // Frm1
const DetectorVariant &narrowRoom();    // Frm2
const DetectorVariant &rowOfRooms();    // Frm3
const DetectorVariant &singleRoom();    // Form4
const DetectorVariant *detectorVariantOf(const QString &formName);

// Window-level state: it outlives a close of the window (the next opening starts
// with the values the last one left).
struct DetectorState
{
    int16_t DATA_NO = 0;
    int16_t TENJOU_TAKASA = 0;
    int16_t HARI_CODE = 0;
    QString KOUZOU_CODE;
    QString SYUBETU_CODE;
    int16_t KANCHI_MENSEKI = 0;
    int16_t HOKOU_KYORI = 0; // the long narrow room's walking distance per detector
    QString KEISAN_FLAG;
    int16_t SENTAKU_GYOU = 0;
};

class DetectorModel
{
public:
    DetectorModel(const DetectorVariant &variant, DetectorState &state);
    DetectorModel(const DetectorModel &) = delete;
    DetectorModel &operator=(const DetectorModel &) = delete;

    const DetectorVariant &variant() const { return *m_variant; }
    DetectorState &state() { return *m_state; }

    // Controls (texts), named as the window's controls.
    QString Label1, Label16;
    QString Text1; // data number
    QString Text2; // small compartment's area (Form4)
    QString Text3; // coverage (walking distance) per detector
    QString Text4, Text5; // width, depth (walking length)
    QString Text6; // room area
    QString Text7; // detector count
    QString Combo1, Combo2, Combo3, Combo4, Combo5; // type, ceiling, beam, site, room
    QStringList Combo1Items, Combo2Items, Combo3Items, Combo4Items, Combo5Items;
    int Option1 = -1; // class: 0 特種, 1 １種, 2 ２種, 3 ３種; -1 none
    int Option2 = -1; // structure: 0 耐火, 1 その他; -1 none
    // The result boxes' look: shown (enabled) or blank (disabled, button face).
    bool Text3Enabled = true, Text6Enabled = true, Text7Enabled = true;

    GridModel MSFlexGrid1;
    TextTable KAHOU_DATA;

    // Load: the control defaults, then (after the database is read) the lists and the grid.
    void loadControls();
    void loadLists();
    // Both with the database read in between; a failure shows "エラーが発生しました。Form".
    void Form_Load();

    void Command3_Click(); // 検索
    void IDM_OFFICE_Click();
    void IDM_PLANT_Click();
    void IDM_SCHOOL_Click();
    void IDM_HOSPITAL_Click();
    void IDM_SONOTA_Click();
    void Command2_Click(); // 計算
    void Command4_Click(); // 次の計算
    void MSFlexGrid1_Click();
    void Command1_Click(); // データ読込み
    void IDM_GRCLA_Click();
    void IDM_ALLCLA_Click();
    void IDM_INCLA_Click();

    // Steps of 計算 (each traps its own errors). The coverage step of a detector
    // type checks the class, runs its narrow-room rule and HANTEI_RAN, takes the
    // coverage and ends with the count.
    void coverageStep(DetectorType type);
    void KEMURI_KEISAN() { coverageStep(DetectorType::Smoke); }
    void SADOU_KEISAN() { coverageStep(DetectorType::Differential); }
    void HOSHOU_KEISAN() { coverageStep(DetectorType::Compensated); }
    void TEION_KEISAN() { coverageStep(DetectorType::FixedTemp); }
    void ANALOG_KEISAN() { coverageStep(DetectorType::Analog); }
    // The narrow-room rule of a detector family.
    void narrowRoomRule(DetectorType type);
    void KEMURI_SYORI() { narrowRoomRule(DetectorType::Smoke); }
    void SADOU_SYORI() { narrowRoomRule(DetectorType::Differential); }
    void TEION_SYORI() { narrowRoomRule(DetectorType::FixedTemp); }
    void ANALOGU_SYORI() { narrowRoomRule(DetectorType::Analog); }
    void HANTEI_RAN(bool smoke);
    void KEISAN_SYORI();
    void NYURYOKU_CLIAR();
    void ALL_CLIAR();

    static QString coverageTag(DetectorType type); // "KEMURI_KEISAN" ..
    static QString narrowTag(DetectorType type);   // "KEMURI_SYORI" ..

private:
    bool isNarrow() const { return m_variant->variant == Variant::Narrow; }
    // "メモリーは30迄です｡": the data numbers the window keeps.
    QString memoryMessage() const;
    // Width or depth empty, or a negative number.
    bool sizesMissing() const;
    int16_t &coverageValue();
    void blankResults();
    // Empties the result boxes (and width and depth when sizesToo).
    void emptyResults(bool sizesToo);
    // The rooms of every use, then those of one use's block ((0, 0): none).
    void roomList(int firstBlockRow, int lastBlockRow);
    void lookUp();
    std::optional<int> siteRow() const; // the site row; none when no name matches
    int findSite();                      // the site row; row 2 (with its box) when no name matches
    std::optional<int> roomRow() const;  // the room row; 0 when the END row comes first, none when no end comes
    int findRoom() const;                // roomRow, failing when no end comes
    void presetClass(int site);
    void calculate();
    QStringList resultRow() const;

    const DetectorVariant *m_variant;
    DetectorState *m_state;
};

} // namespace kb::fa
