#pragma once
// The names of the main window's controls, as the view model and the desktop layer know them.
// Written through these constants, a misspelt name does not compile.

#include <string_view>

namespace vaporel::control {

inline constexpr std::string_view Frame5 = "Frame5";
inline constexpr std::string_view Label31 = "Label31";
inline constexpr std::string_view lblVersion = "lblVersion";
inline constexpr std::string_view Label32 = "Label32";
inline constexpr std::string_view Label30 = "Label30";
inline constexpr std::string_view Frame6 = "Frame6";
inline constexpr std::string_view Label18 = "Label18";
inline constexpr std::string_view Line4 = "Line4";
inline constexpr std::string_view Label11 = "Label11";
inline constexpr std::string_view Combo1 = "Combo1";
inline constexpr std::string_view Frame1 = "Frame1";
inline constexpr std::string_view Label1 = "Label1";
inline constexpr std::string_view Label7 = "Label7";
inline constexpr std::string_view Label8 = "Label8";
inline constexpr std::string_view Text2 = "Text2";
inline constexpr std::string_view Text3 = "Text3";
inline constexpr std::string_view Text4 = "Text4";
inline constexpr std::string_view Command1 = "Command1";
inline constexpr std::string_view Command2 = "Command2";
inline constexpr std::string_view Command3 = "Command3";
inline constexpr std::string_view Frame3 = "Frame3";
inline constexpr std::string_view Label14 = "Label14";
inline constexpr std::string_view Label12 = "Label12";
inline constexpr std::string_view Label13 = "Label13";
inline constexpr std::string_view Label17 = "Label17";
inline constexpr std::string_view Label15 = "Label15";
inline constexpr std::string_view Label19 = "Label19";
inline constexpr std::string_view Label16 = "Label16";
inline constexpr std::string_view Label21 = "Label21";
inline constexpr std::string_view Frame4 = "Frame4";
inline constexpr std::string_view Label68 = "Label68";
inline constexpr std::string_view Frame2 = "Frame2";
inline constexpr std::string_view Label10 = "Label10";
inline constexpr std::string_view Line2 = "Line2";
inline constexpr std::string_view Label9 = "Label9";
inline constexpr std::string_view Line3 = "Line3";
inline constexpr std::string_view Label2_0 = "Label2(0)";
inline constexpr std::string_view Label2_1 = "Label2(1)";
inline constexpr std::string_view Label2_2 = "Label2(2)";
inline constexpr std::string_view Label2_3 = "Label2(3)";
inline constexpr std::string_view Label2_7 = "Label2(7)";
inline constexpr std::string_view Label2_4 = "Label2(4)";
inline constexpr std::string_view Label2_5 = "Label2(5)";
inline constexpr std::string_view Label2_6 = "Label2(6)";
inline constexpr std::string_view Label2_8 = "Label2(8)";
inline constexpr std::string_view Label3 = "Label3";
inline constexpr std::string_view Label4 = "Label4";
inline constexpr std::string_view Label5 = "Label5";
inline constexpr std::string_view Label6 = "Label6";
inline constexpr std::string_view l7 = "l7";
inline constexpr std::string_view l8 = "l8";
inline constexpr std::string_view l9 = "l9";
inline constexpr std::string_view l10 = "l10";
inline constexpr std::string_view l11 = "l11";
inline constexpr std::string_view l12 = "l12";
inline constexpr std::string_view l13 = "l13";
inline constexpr std::string_view l14 = "l14";
inline constexpr std::string_view l15 = "l15";
inline constexpr std::string_view l16 = "l16";
inline constexpr std::string_view l17 = "l17";
inline constexpr std::string_view l18 = "l18";
inline constexpr std::string_view l19 = "l19";
inline constexpr std::string_view StatusBar1 = "StatusBar1";
inline constexpr std::string_view dok = "dok";
inline constexpr std::string_view ie = "ie";
inline constexpr std::string_view exit = "exit";

}  // namespace vaporel::control
