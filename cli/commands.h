#pragma once

#include <string>
#include <vector>

namespace undertext::cli {

// Each sub-command takes the arguments after its name and returns the exit status.
int runModulesCommand(const std::vector<std::string>& args);
int runCreateCommand(const std::vector<std::string>& args);
int runEmbedCommand(const std::vector<std::string>& args);
int runEchoscanCommand(const std::vector<std::string>& args);
int runKwicCommand(const std::vector<std::string>& args);

}  // namespace undertext::cli
