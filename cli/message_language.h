#pragma once

#include <functional>
#include <string>

namespace undertext::cli {

enum class MessageLanguage { Russian, English };

// The language of the batch tool's messages, by the rule the windows follow: the
// list in LANGUAGE (languages separated by colons) when it is set and not empty,
// else the first of LC_ALL, LC_MESSAGES and LANG that is; its first Russian or
// English entry decides ("ru_RU.UTF-8", "en"), English when none is either.
// variable(name) gives an environment variable, nullptr when it is unset.
MessageLanguage messageLanguage(const std::function<const char*(const char*)>& variable);

// The language of this run's environment (std::getenv), read once.
MessageLanguage environmentMessageLanguage();

// message as printed in language: in English the cores' Russian messages are
// put into English; the tool's own messages, English already, stay as they are.
std::string inMessageLanguage(const std::string& message, MessageLanguage language);

}  // namespace undertext::cli
