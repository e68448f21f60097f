#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_options.h"
#include "embed/core/embed_job.h"

namespace undertext::cli {

// The request of a run on one text that has been read and decoded already: the
// options' language (else the one the text holds more letters of), their modules
// (else the default module of that language) and their significance order.
embed::EmbedRequest embedRequestFor(const std::filesystem::path& source,
                                    const EmbedOptions& options,
                                    const std::filesystem::path& startFolder,
                                    const DecodedText& text);

// The letter model's order that --significance and --model ask for: --model's,
// else the default; absent when neither is given.
std::optional<int> significanceOrder(bool significance, std::optional<int> model);

// The modules a text in language is searched with: the chosen ones, else the
// default module of the language in startFolder (none when it lacks it).
std::vector<std::string> embedModulesFor(Language language, const std::vector<std::string>& chosen,
                                         const std::filesystem::path& startFolder);

// A refusal as the shell prints it: with no module, also the default module that
// the module folder lacks.
std::string embedRefusalText(const std::string& message, const embed::EmbedRequest& request);

}  // namespace undertext::cli
