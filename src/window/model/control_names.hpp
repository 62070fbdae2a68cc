#pragma once
// The main window's controls, by role; each value is the control's own name, which the
// view model, the desktop layer, the settings and the transcripts know it by. Written
// through these constants, a misspelt name does not compile.

#include <string_view>

namespace vaporel::control {

inline constexpr std::string_view TitleFrame = "Frame5";
inline constexpr std::string_view SoftwareLabel = "Label31";
inline constexpr std::string_view VersionLabel = "lblVersion";
inline constexpr std::string_view TitleLabel = "Label32";
inline constexpr std::string_view BasedOnLabel = "Label30";
inline constexpr std::string_view CreditsFrame = "Frame6";
inline constexpr std::string_view CreditsLabel = "Label18";
inline constexpr std::string_view TitleRule = "Line4";
inline constexpr std::string_view SelectionCaption = "Label11";
inline constexpr std::string_view PairSelector = "Combo1";
inline constexpr std::string_view InputFrame = "Frame1";
inline constexpr std::string_view PressureCaption = "Label1";
inline constexpr std::string_view FirstInputCaption = "Label7";
inline constexpr std::string_view SecondInputCaption = "Label8";
inline constexpr std::string_view PressureField = "Text2";
inline constexpr std::string_view FirstInputField = "Text3";
inline constexpr std::string_view SecondInputField = "Text4";
inline constexpr std::string_view CalculateButton = "Command1";
inline constexpr std::string_view ResetButton = "Command2";
inline constexpr std::string_view ExcelButton = "Command3";
inline constexpr std::string_view BoundaryFrame = "Frame3";
inline constexpr std::string_view TdbmaxCaption = "Label14";
inline constexpr std::string_view TdbmaxValue = "Label12";
inline constexpr std::string_view TwbminCaption = "Label13";
inline constexpr std::string_view XmaxCaption = "Label17";
inline constexpr std::string_view HminCaption = "Label15";
inline constexpr std::string_view SecondLimitValue = "Label19";
inline constexpr std::string_view HmaxCaption = "Label16";
inline constexpr std::string_view HmaxValue = "Label21";
inline constexpr std::string_view BusyPanel = "Frame4";
inline constexpr std::string_view BusyMessage = "Label68";
inline constexpr std::string_view OutputFrame = "Frame2";
inline constexpr std::string_view ThermodynamicHeading = "Label10";
inline constexpr std::string_view ThermodynamicRule = "Line2";
inline constexpr std::string_view ThermophysicalHeading = "Label9";
inline constexpr std::string_view ThermophysicalRule = "Line3";
inline constexpr std::string_view PressureResultCaption = "Label2(0)";
inline constexpr std::string_view TdbResultCaption = "Label2(1)";
inline constexpr std::string_view TwbResultCaption = "Label2(2)";
inline constexpr std::string_view TdpResultCaption = "Label2(3)";
inline constexpr std::string_view XResultCaption = "Label2(7)";
inline constexpr std::string_view RoResultCaption = "Label2(4)";
inline constexpr std::string_view HResultCaption = "Label2(5)";
inline constexpr std::string_view PvResultCaption = "Label2(6)";
inline constexpr std::string_view RhResultCaption = "Label2(8)";
inline constexpr std::string_view CpResultCaption = "Label3";
inline constexpr std::string_view LamResultCaption = "Label4";
inline constexpr std::string_view MiResultCaption = "Label5";
inline constexpr std::string_view PrResultCaption = "Label6";
inline constexpr std::string_view PressureResult = "l7";
inline constexpr std::string_view TdbResult = "l8";
inline constexpr std::string_view TwbResult = "l9";
inline constexpr std::string_view TdpResult = "l10";
inline constexpr std::string_view XResult = "l11";
inline constexpr std::string_view RoResult = "l12";
inline constexpr std::string_view HResult = "l13";
inline constexpr std::string_view PvResult = "l14";
inline constexpr std::string_view RhResult = "l15";
inline constexpr std::string_view CpResult = "l16";
inline constexpr std::string_view LamResult = "l17";
inline constexpr std::string_view MiResult = "l18";
inline constexpr std::string_view PrResult = "l19";
inline constexpr std::string_view StatusBar = "StatusBar1";
inline constexpr std::string_view SourceMenu = "dok";
inline constexpr std::string_view PropertiesMenu = "ie";
inline constexpr std::string_view ExitMenu = "exit";

}  // namespace vaporel::control
