#pragma once

// The object names of Echoscan's main window, by role; the shared parts it holds
// are named in common/ui/widgets/object_names.h.
namespace undertext::echoscan::names {

inline constexpr char kWindow[] = "Form1";
inline constexpr char kHeading[] = "Label1";
inline constexpr char kVersion[] = "Label9";
inline constexpr char kLengthsCaption[] = "Label7";
inline constexpr char kFromLabel[] = "Label3";
inline constexpr char kMinLengthBox[] = "Combo1";
inline constexpr char kToLabel[] = "Label8";
inline constexpr char kMaxLengthBox[] = "Combo2";
inline constexpr char kUnitLabel[] = "Label4_0";
inline constexpr char kLanguageCaption[] = "Label4_1";
inline constexpr char kSourceCaption[] = "Label5";
inline constexpr char kSourceBox[] = "Text1";
inline constexpr char kResultsCaption[] = "Label6";
inline constexpr char kOpenFileButton[] = "Command5";
inline constexpr char kHeadingLine[] = "Line1";
inline constexpr char kAreasLine[] = "Line2";
inline constexpr char kOpenFileLine[] = "Line7";
inline constexpr char kRunButtonsLine[] = "Line8";

}  // namespace undertext::echoscan::names
