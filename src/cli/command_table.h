#pragma once
// drawlyze-cli's commands as one table: the dispatcher, the usage text of a
// usage error, --help, "help COMMAND" and the manual page (help2man reads
// --help) all come from it. A new command is one entry in Commands()
// (command_table.cpp) and its Run function in a file of its own.

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

namespace drawlyze::cli {

struct OptionHelp {
  const char* name;  // with its argument: "--png FILE"
  const char* text;
};

struct CommandEntry {
  const char* name;                        // the word that selects it: "view"
  std::vector<const char*> synopses;       // after "drawlyze-cli ", as the usage lists them
  const char* description;                 // what it does and prints: one paragraph, wrapped when printed
  std::vector<const char*> sharedOptions;  // the names of the shared options it reads: "--file", "--row"
  std::vector<OptionHelp> options;         // options of its own
  int (*run)(Context&);
};

const std::vector<CommandEntry>& Commands();
const CommandEntry* FindCommand(std::string_view name);

// Printed on stderr after a usage error; scripts read it, so it stays as it is.
std::string UsageText();
// --help: every command, every option, the files, the exit statuses.
std::string HelpText();
// "help COMMAND", "COMMAND --help".
std::string CommandHelpText(const CommandEntry& command);

}  // namespace drawlyze::cli
