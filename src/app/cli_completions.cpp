// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli_completions.h"

#include "app/cli_options.h"
#include "platform/text.h"
#include "settings/setting_keys.h"

namespace folio {

namespace {

std::string Joined(auto&& words, std::string_view separator) {
  std::string text;
  for (const auto& word : words) {
    if (!text.empty()) text += separator;
    text += word;
  }
  return text;
}

// "Section.Key=" for every key the --set option takes.
std::vector<std::string> SetPrefixes() {
  std::vector<std::string> prefixes;
  for (const SettingKey& key : AllSettingKeys())
    prefixes.push_back(ToUtf8(key.section) + '.' + ToUtf8(key.name) + '=');
  return prefixes;
}

}  // namespace

std::string BashCompletion() {
  std::vector<std::string> options;
  for (const CliOptionSpec& option : CliOptionSpecs()) {
    options.emplace_back(option.name);
    if (!option.shortName.empty()) options.emplace_back(option.shortName);
  }
  std::vector<std::string> modes(CliModeNames().begin(), CliModeNames().end());
  return "# bash completion for folioscope-cli\n"
         "_folioscope_cli() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
         "  # bash splits --opt=value at the '=': the option is the word before it.\n"
         "  if [ \"$cur\" = \"=\" ]; then\n"
         "    cur=\n"
         "  elif [ \"$prev\" = \"=\" ]; then\n"
         "    prev=${COMP_WORDS[COMP_CWORD-2]}\n"
         "  fi\n"
         "  case $prev in\n"
         "    -m|--mode)\n"
         "      COMPREPLY=($(compgen -W \"" +
         Joined(modes, " ") +
         "\" -- \"$cur\")); return ;;\n"
         "    --set)\n"
         "      compopt -o nospace 2>/dev/null\n"
         "      COMPREPLY=($(compgen -W \"" +
         Joined(SetPrefixes(), " ") +
         "\" -- \"$cur\")); return ;;\n"
         "    --ini)\n"
         "      COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
         "    --make-demo)\n"
         "      COMPREPLY=($(compgen -d -- \"$cur\")); return ;;\n"
         "  esac\n"
         "  if [[ $cur == -* ]]; then\n"
         "    COMPREPLY=($(compgen -W \"" +
         Joined(options, " ") +
         " --\" -- \"$cur\")); return\n"
         "  fi\n"
         "  compopt -o filenames 2>/dev/null\n"
         "  COMPREPLY=($(compgen -d -- \"$cur\"))\n"
         "}\n"
         "complete -F _folioscope_cli folioscope-cli\n";
}

std::string ZshCompletion() {
  std::string text =
      "#compdef folioscope-cli\n"
      "# zsh completion for folioscope-cli\n"
      "_arguments -s -S \\\n";
  for (const CliOptionSpec& option : CliOptionSpecs()) {
    const bool repeats = option.name == "--set";
    const std::string help = "[" + std::string(option.summary) + "]";
    std::string action;
    if (option.name == "--mode") {
      std::vector<std::string> modes(CliModeNames().begin(), CliModeNames().end());
      action = ":mode:(" + Joined(modes, " ") + ")";
    } else if (option.name == "--set") {
      action = ":setting:(" + Joined(SetPrefixes(), " ") + ")";
    } else if (option.name == "--ini") {
      action = ":file:_files";
    } else if (option.name == "--make-demo") {
      action = ":folder:_files -/";
    }
    const std::string takes = option.valueName.empty() ? "" : "=";
    text += "  ";
    if (repeats) {
      text += "'*" + std::string(option.name) + takes + help + action + "'";
    } else if (option.shortName.empty()) {
      text += "'" + std::string(option.name) + takes + help + action + "'";
    } else {
      const std::string shortTakes = option.valueName.empty() ? "" : "+";
      text += "'(" + std::string(option.shortName) + ' ' + std::string(option.name) + ")'{" +
              std::string(option.shortName) + shortTakes + ',' + std::string(option.name) + takes +
              "}'" + help + action + "'";
    }
    text += " \\\n";
  }
  text += "  '*:folder:_files -/'\n";
  return text;
}

}  // namespace folio
