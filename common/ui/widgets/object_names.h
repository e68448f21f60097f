#pragma once

// The object names of the windows and controls that common/ui makes, by role:
// the names the programs' windows are known by (tests find controls by them).

namespace undertext::ui::names {

// The parts of a main window that common/ui makes.
inline constexpr char kProgressBar[] = "ProgressBar1";
inline constexpr char kProgressLabel[] = "Label2";
inline constexpr char kRussianOption[] = "Option1";
inline constexpr char kEnglishOption[] = "Option2";
inline constexpr char kStopButton[] = "Command2";
inline constexpr char kExitButton[] = "Command3";
// Those of Embed and Echoscan, which search a source text.
inline constexpr char kStartButton[] = "Command1";
inline constexpr char kResultList[] = "File2";
inline constexpr char kEncodingLabel[] = "EncodingLabel";
inline constexpr char kEncodingBox[] = "EncodingBox";

}  // namespace undertext::ui::names

namespace undertext::ui::about_names {

inline constexpr char kWindow[] = "Form2";
inline constexpr char kHeading[] = "Label1";
inline constexpr char kVersion[] = "Label2";
inline constexpr char kAuthor[] = "Label3";
inline constexpr char kPicture[] = "Picture1";
inline constexpr char kAddress[] = "Text1";

}  // namespace undertext::ui::about_names

namespace undertext::ui::chooser_names {

inline constexpr char kWindow[] = "Form4";
inline constexpr char kHeading[] = "Label3";
inline constexpr char kAvailableCaption[] = "Label1";
inline constexpr char kChosenCaption[] = "Label2";
inline constexpr char kAvailableList[] = "File1";
inline constexpr char kChosenList[] = "List1";
inline constexpr char kAddButton[] = "Command1";
inline constexpr char kAddAllButton[] = "Command2";
inline constexpr char kRemoveButton[] = "Command3";
inline constexpr char kRemoveAllButton[] = "Command4";
inline constexpr char kDoneButton[] = "Command5";
inline constexpr char kCancelButton[] = "Command6";
inline constexpr char kModuleCount[] = "ModuleCount";

}  // namespace undertext::ui::chooser_names
