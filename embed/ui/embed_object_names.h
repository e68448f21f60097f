#pragma once

// The object names of Embed's main window, by role; the shared parts it holds
// are named in common/ui/widgets/object_names.h.
namespace undertext::embed::names {

inline constexpr char kWindow[] = "Form1";
inline constexpr char kHeading[] = "Label1";
inline constexpr char kVersion[] = "Label7";
inline constexpr char kSourceCaption[] = "Label5";
inline constexpr char kSourceBox[] = "Text1";
inline constexpr char kModulesCaption[] = "Label3";
inline constexpr char kModuleList[] = "List1";
inline constexpr char kResultsCaption[] = "Label6";
inline constexpr char kLanguageCaption[] = "Label4";
inline constexpr char kAddModulesButton[] = "Command5";
inline constexpr char kOpenFileButton[] = "Command6";
inline constexpr char kSignificanceCheck[] = "Check1";
inline constexpr char kHeadingLine[] = "Line1";
inline constexpr char kOptionsLine[] = "Line2";
inline constexpr char kButtonsLine[] = "Line3";
inline constexpr char kAreasLine[] = "Line4";

}  // namespace undertext::embed::names
