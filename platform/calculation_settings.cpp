// The calculation choices in salvenor.ini.
#include "platform/calculation_settings.h"

#include <cstddef>

namespace salvenor {

namespace {

constexpr ChoiceName<AsrShadow> AsrNames[] = {{AsrShadow::Standard, "standard"},
                                              {AsrShadow::Hanafi, "hanafi"}};
constexpr ChoiceName<HighLatitudeRule> LatitudeNames[] = {
    {HighLatitudeRule::SeventhOfNight, "seventh"},
    {HighLatitudeRule::MiddleOfNight, "middle"},
    {HighLatitudeRule::AngleBased, "angle"}};
constexpr ChoiceName<SunModel> SunNames[] = {{SunModel::Table, "table"},
                                             {SunModel::Computed, "computed"}};

template <typename T>
std::optional<T> Find(std::span<const ChoiceName<T>> names, std::string_view name) {
    for (const ChoiceName<T>& entry : names) {
        if (entry.name == name) {
            return entry.value;
        }
    }
    return std::nullopt;
}

template <typename T>
std::string_view NameIn(std::span<const ChoiceName<T>> names, T value) {
    for (const ChoiceName<T>& entry : names) {
        if (entry.value == value) {
            return entry.name;
        }
    }
    return names.front().name;
}

template <typename T>
T ReadChoice(const SettingsFile& settings, const char* key, std::span<const ChoiceName<T>> names) {
    const std::optional<std::string> text = settings.value(key);
    const std::optional<T> parsed = text ? Find(names, *text) : std::nullopt;
    return parsed.value_or(names.front().value);
}

}  // namespace

std::span<const ChoiceName<AsrShadow>> AsrShadowNames() {
    return AsrNames;
}
std::span<const ChoiceName<HighLatitudeRule>> HighLatitudeNames() {
    return LatitudeNames;
}
std::span<const ChoiceName<SunModel>> SunModelNames() {
    return SunNames;
}

std::optional<AsrShadow> ParseAsrShadow(std::string_view name) {
    return Find(AsrShadowNames(), name);
}
std::optional<HighLatitudeRule> ParseHighLatitudeRule(std::string_view name) {
    return Find(HighLatitudeNames(), name);
}
std::optional<SunModel> ParseSunModel(std::string_view name) {
    return Find(SunModelNames(), name);
}
std::string_view NameOf(AsrShadow value) {
    return NameIn(AsrShadowNames(), value);
}
std::string_view NameOf(HighLatitudeRule value) {
    return NameIn(HighLatitudeNames(), value);
}
std::string_view NameOf(SunModel value) {
    return NameIn(SunModelNames(), value);
}

bool KnownConventionName(std::string_view name) {
    return name.empty() || name == CustomConventionName || FindConvention(name) != nullptr;
}

std::string SettingsPathBeside(const std::string& configPath) {
    const std::size_t slash = configPath.find_last_of('/');
    return slash == std::string::npos ? std::string(SettingsFileName)
                                      : configPath.substr(0, slash + 1) + SettingsFileName;
}

CalculationOptions ReadCalculationOptions(const SettingsFile& settings) {
    namespace keys = calculation_keys;
    CalculationOptions o;
    const CalculationOptions defaults;
    if (const auto name = settings.value(keys::Convention); name && KnownConventionName(*name)) {
        o.convention = *name;
    }
    o.customFajrAngle = settings.doubleValue(keys::FajrAngle, defaults.customFajrAngle,
                                             MinCustomAngle, MaxCustomAngle);
    o.customIshaAngle = settings.doubleValue(keys::IshaAngle, defaults.customIshaAngle,
                                             MinCustomAngle, MaxCustomAngle);
    o.customIshaMinutes =
        settings.intValue(keys::IshaMinutes, defaults.customIshaMinutes, 0, MaxCustomIshaMinutes);
    o.asr = ReadChoice(settings, keys::Asr, AsrShadowNames());
    for (std::size_t i = 0; i < o.adjustMinutes.size(); ++i) {
        o.adjustMinutes[i] =
            settings.intValue(keys::AdjustMinutes[i], 0, MinAdjustMinutes, MaxAdjustMinutes);
    }
    o.highLatitude = ReadChoice(settings, keys::HighLatitude, HighLatitudeNames());
    o.sun = ReadChoice(settings, keys::Sun, SunModelNames());
    o.hijriAdjustDays =
        settings.intValue(keys::HijriAdjust, 0, MinHijriAdjustDays, MaxHijriAdjustDays);
    return o;
}

void WriteCalculationOptions(SettingsFile& settings, const CalculationOptions& o) {
    namespace keys = calculation_keys;
    settings.setValue(keys::Convention, o.convention);
    settings.setDouble(keys::FajrAngle, o.customFajrAngle);
    settings.setDouble(keys::IshaAngle, o.customIshaAngle);
    settings.setInt(keys::IshaMinutes, o.customIshaMinutes);
    settings.setValue(keys::Asr, NameOf(o.asr));
    for (std::size_t i = 0; i < o.adjustMinutes.size(); ++i) {
        settings.setInt(keys::AdjustMinutes[i], o.adjustMinutes[i]);
    }
    settings.setValue(keys::HighLatitude, NameOf(o.highLatitude));
    settings.setValue(keys::Sun, NameOf(o.sun));
    settings.setInt(keys::HijriAdjust, o.hijriAdjustDays);
}

}  // namespace salvenor
