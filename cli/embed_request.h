#pragma once

#include <filesystem>
#include <string>

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

// A refusal as the shell prints it: with no module, also the default module that
// the module folder lacks.
std::string embedRefusalText(const std::string& message, const embed::EmbedRequest& request);

}  // namespace undertext::cli
