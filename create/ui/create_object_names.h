#pragma once

// The object names of Create's main window, by role; the shared parts it holds
// are named in common/ui/widgets/object_names.h.
namespace undertext::create::names {

inline constexpr char kWindow[] = "Form1";
inline constexpr char kHeading[] = "Label1";
inline constexpr char kVersion[] = "Label7";
inline constexpr char kPhraseCaption[] = "Label4";
inline constexpr char kPhraseBox[] = "Text2";
inline constexpr char kResultCaption[] = "Label5";
inline constexpr char kResultLine[] = "Text3";
inline constexpr char kLanguageCaption[] = "Label6";
inline constexpr char kModulesCaption[] = "Label3";
inline constexpr char kModuleList[] = "List1";
inline constexpr char kSaveButton[] = "Command1";
inline constexpr char kNextButton[] = "Command4";
inline constexpr char kAddModulesButton[] = "Command5";
inline constexpr char kPreviousButton[] = "Command6";

}  // namespace undertext::create::names

// The object names of Create's start-up request window.
namespace undertext::create::request_names {

inline constexpr char kWindow[] = "Form3";
inline constexpr char kRequestText[] = "Text1";
inline constexpr char kAgreeButton[] = "Command1";
inline constexpr char kDisagreeButton[] = "Command2";

}  // namespace undertext::create::request_names
