#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/job_control.h"
#include "common/core/text/letters.h"
#include "common/core/text/text_encoding.h"

namespace undertext::echoscan {

inline constexpr const char* kNoSourceFileMessage = "Выберите исходный файл";
inline constexpr const char* kLengthOrderMessage =
    "Минимальная длина должна быть меньше или равна максимальной длине фрагмента.";
inline constexpr const char* kNonPositiveLengthMessage =
    "Нулевые и отрицательные значения не поддерживаются.";
// A length text that is not a whole number, or one beyond kLengthLimit either way.
inline constexpr const char* kLengthNotNumberMessage =
    "Размеры фрагментов должны быть целыми числами от 1 до 1000000000.";
inline constexpr long long kLengthLimit = 1'000'000'000;

// "У вас нет" + number text of minLength + " символов на выбранном языке в тексте."
std::string tooFewCharactersMessage(long long minLength);

// The text of a length box as a whole number: optional blanks, an optional sign,
// decimal digits, optional blanks, and at most kLengthLimit in magnitude.
std::optional<long long> parseFragmentLength(std::string_view text);

// What the search job is given when it starts. Texts are UTF-8.
struct FragmentSearchRequest {
    std::string sourceName;  // the file name the window shows; one with a folder part is refused
    std::filesystem::path sourceFolder;  // empty while no file has been picked
    Language language = Language::Russian;
    std::string minLengthText;  // the shortest fragment length as typed
    std::string maxLengthText;  // the longest fragment length as typed
    // The text when the caller has read and decoded it already (a pipe can be
    // read only once); null: the job reads and decodes the file.
    const DecodedText* sourceText = nullptr;
    // The text's encoding; detected when absent. The prepared text and the
    // reports are written in it.
    std::optional<TextEncoding> encoding;
};

enum class FragmentSearchEnd {
    Refused,    // a check failed; its message was shown and the buttons enabled
    Failed,     // a file could not be read or written; message shown, buttons enabled
    Stopped,    // a stop point asked to stop; progress shows 0, no report written
    Completed,  // the prepared text and the three reports are written; progress 100
};

// FragmentSearchJob: prepares the text, checks the lengths, searches, writes the
// three reports beside the source, with progress and stop points through control.
// Its events, in order: run buttons disabled; after the prepared text the result
// list for the request's name + "_Rec*.txt"; a refusal or failure shows its
// message and enables the run buttons; a completed run lists the reports of the
// name the window shows by then, shows 100 and enables the run buttons.
// Keeps no state between runs; several jobs may run at once on different threads.
FragmentSearchEnd fragmentSearchJob(const FragmentSearchRequest& request, JobControl& control);

}  // namespace undertext::echoscan
