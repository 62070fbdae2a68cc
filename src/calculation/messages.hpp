#pragma once
// The refusals of the field checks and of the resolution, character for character. They
// are the program's words as users, manuals and transcripts know them, misspellings and
// all ("less then", "temperaure", "sturated"): tests pin them, and none is to be
// "corrected".

namespace vaporel {

// Before any check: a field left empty, a text that is no number, a field out of order.
inline constexpr const char* kAllFieldsRequireData = "All fields require data";
inline constexpr const char* kNumbersOnly = "Invalid entries, please enter numbers only";
inline constexpr const char* kPressureFirst = "Invalid entries, please enter the pressure first";
inline constexpr const char* kFirstInputFirst = "Invalid entries, please enter the first input first";
inline constexpr const char* kSelectAPair = "Invalid entries, please select an input pair";

// The pressure field.
inline constexpr const char* kPressureTooHigh = "Invalid entries, pressure must be less than 10 bar";
inline constexpr const char* kPressureTooLow = "Invalid entries, ambient air pressure must be greater than 0.1 bar";

// The first input (the dry-bulb temperature, or the absolute humidity of pair 4).
inline constexpr const char* kDryBulbTooLow = "Invalid entries, dry bulb temperature must be greater than -40 oC";
inline constexpr const char* kDryBulbAboveBoiling = "Dry bulb temperature is higher then water boiling temperaure";

// The second input, by pair.
inline constexpr const char* kHumidityOutOfRange = "Invalid entries, Relative Humidity must be in range 0 to 100 %";
inline constexpr const char* kWetBulbOutOfRange = "Invalid entries, Wet Bulb Temperature > twbmin and < tdb";
inline constexpr const char* kSaturatedEnthalpyOutOfRange =
    "Invalid entries, Enthalpy in sturated region must be between hmin and hmax";
inline constexpr const char* kEnthalpyOutOfRange = "Invalid entries, Enthalpy must be in written range";
inline constexpr const char* kAbsHumidityTooHigh = "Invalid entries, Absolute humidity must be less than xmax";

// The resolution.
inline constexpr const char* kWetBulbNotBelowDryBulb = "Wet bulb temperature must be less then Dry bulb temperature";
inline constexpr const char* kWrongDryOrWetBulb = "Wrong tdb or twb input";
inline constexpr const char* kAbsHumidityNotBelowMax = "Absolute humidity has to be less than xmax";
inline constexpr const char* kNoState = "Invalid entries, no state of humid air matches these inputs";

}  // namespace vaporel
