#include "conduitsettings.h"

#include "numtext.h"

namespace kb {

namespace {

constexpr int kModeRow = 150, kWiringCodeRow = 151, kPfcdRow = 153, kMessageRow = 156;

int16_t percentage(const TextTable &t, int column, int row)
{
    return CInt(Val(t.at(column, row)));
}

FillRatios ratiosOfRow(const TextTable &t, int row)
{
    return {percentage(t, 1, row), percentage(t, 2, row), percentage(t, 3, row)};
}

// Rows (communication, power) of an automatic mode; false for any other mode.
bool ratioRows(const QString &mode, int &communication, int &power)
{
    if (sameText(mode, u"JIDOU")) {
        communication = 144, power = 143;
        return true;
    }
    if (sameText(mode, u"USER")) {
        communication = 146, power = 145;
        return true;
    }
    return false;
}

} // namespace

bool isOn(const QString &setting)
{
    return sameText(setting, u"ON");
}

void ConduitSettings::load(const TextTable &t)
{
    MENSEKI_MODE = t.at(kSettingColumn, kModeRow);
    NAIKI_SETTEI = t.at(kSettingColumn, kWiringCodeRow);
    PFCD_SETTEI = t.at(kSettingColumn, kPfcdRow);
    MESSAGE_SETTEI = t.at(kSettingColumn, kMessageRow);
    int c = 0, p = 0;
    if (ratioRows(MENSEKI_MODE, c, p)) {
        communication = ratiosOfRow(t, c);
        power = ratiosOfRow(t, p);
    }
}

void ConduitSettings::setAreaMode(const QString &mode, const TextTable &t)
{
    int c = 0, p = 0;
    if (ratioRows(mode, c, p)) {
        const FillRatios newCommunication = ratiosOfRow(t, c);
        const FillRatios newPower = ratiosOfRow(t, p);
        communication = newCommunication;
        power = newPower;
    }
    MENSEKI_MODE = mode;
}

bool ConduitSettings::isAutomatic() const
{
    return sameText(MENSEKI_MODE, u"JIDOU") || sameText(MENSEKI_MODE, u"USER");
}

bool ConduitSettings::isFree() const
{
    return sameText(MENSEKI_MODE, u"NINI");
}

bool ConduitSettings::wiringCodeOn() const
{
    return isOn(NAIKI_SETTEI);
}

bool ConduitSettings::pfcdCapOn() const
{
    return isOn(PFCD_SETTEI);
}

QString ConduitSettings::modeSentence() const
{
    if (sameText(MENSEKI_MODE, u"JIDOU"))
        return QStringLiteral("断面積は自動設定です。");
    if (sameText(MENSEKI_MODE, u"USER"))
        return QStringLiteral("断面積はユーザー設定です。");
    if (isFree())
        return QStringLiteral("断面積は任意設定です。");
    return {};
}

} // namespace kb
