#pragma once

// The switches of the conduit window's 設定 menu and the fill percentages of the
// automatic fill-ratio rules, loaded from the settings rows of CABLE-PIPE.

#include "texttable.h"

#include <QString>
#include <array>
#include <cstdint>

namespace kb {

struct FillRatios
{
    int16_t oneCable = 0;
    int16_t twoCables = 0;
    int16_t otherCases = 0;
};

struct ConduitSettings
{
    QString MENSEKI_MODE;   // "JIDOU", "USER" or "NINI"
    QString NAIKI_SETTEI;   // wiring-code size table
    QString PFCD_SETTEI;    // PF-CD capped at PF-CD(28)
    QString MESSAGE_SETTEI; // kept and confirmed; every box is shown whatever it says
    // SENSEKI_RITU: the communication group, then the power or weak-current group.
    FillRatios communication;
    FillRatios power;

    // The load step: reads rows 150..156 and the percentages of the mode; throws
    // Overflow for a percentage beyond 16 bits (the load handler's box).
    void load(const TextTable &cablePipe);

    // An area-mode command: all or nothing, an overflowing percentage throws and
    // leaves mode and percentages as they were.
    void setAreaMode(const QString &mode, const TextTable &cablePipe);

    bool isAutomatic() const; // "JIDOU" or "USER": the fill-ratio rules apply
    bool isFree() const;      // "NINI": the user picks the fill ratio
    bool wiringCodeOn() const;
    bool pfcdCapOn() const;

    // The greeting's sentence for the area mode (empty for an unknown mode).
    QString modeSentence() const;
};

// A switch is on when its text reads "ON" (case and width ignored).
bool isOn(const QString &setting);

// The settings cell that 次の計算 tests for emptying the input boxes (KURIA_SETTEI).
constexpr int kClearSettingRow = 157;
constexpr int kSettingColumn = 2;

} // namespace kb
