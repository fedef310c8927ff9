// velkarin-cli: list, show and export the equipment of an element data file,
// describe addons, replay the window's events, and write sample files.
#include <CLI/CLI.hpp>
#include <iostream>
#include <optional>
#include <utility>

#include "addon/skill_names.h"
#include "commands.h"
#include "viewer.h"

using namespace velkarin::cli;

int main(int argc, char** argv) {
  CLI::App app{"velkarin-cli: the equipment of a game's element data file, from the command line"};
  app.require_subcommand(1);
  app.fallthrough();  // the global options may follow the command too
  app.set_version_flag("--version", std::string("velkarin-cli ") + VELKARIN_VERSION);
  std::optional<std::string> skillNames;
  app.add_option("--skill-names", skillNames,
                 "UTF-8 file of the 1557 skill names, one a line in ID order, replacing the built-in ones");

  ListOptions list;
  std::string listFormat = "tsv";
  auto* listCmd = app.add_subcommand("list", "the rows of the item list: row, ID, name");
  listCmd->add_option("FILE", list.file, "element data file")->required();
  listCmd->add_option("--format", listFormat, "tsv or json")->check(CLI::IsMember({"tsv", "json"}));
  listCmd->add_flag("--bytes", list.bytes, "also give each name's GBK bytes in hex");

  ShowOptions show;
  std::string showFormat = "text";
  auto* showCmd = app.add_subcommand("show", "the three panels of one item");
  showCmd->add_option("FILE", show.file, "element data file")->required();
  auto* rowOpt = showCmd->add_option("--row", show.row, "row of the list (from 0)");
  auto* idOpt = showCmd->add_option("--id", show.id, "the first row with this ID");
  rowOpt->excludes(idOpt);
  showCmd->add_option("--refine", show.refine, "text of the refine box (default 0)");
  showCmd->add_option("--format", showFormat, "text or json")->check(CLI::IsMember({"text", "json"}));
  showCmd->add_flag("--bytes", show.bytes, "also give each text's GBK bytes in hex");

  ExportOptions exportOptions;
  std::string exportFormat;
  auto* exportCmd = app.add_subcommand("export", "the panels of every item, one JSON line each");
  exportCmd->add_option("FILE", exportOptions.file, "element data file")->required();
  exportCmd->add_option("--refine", exportOptions.refine, "text of the refine box (default 0)");
  exportCmd->add_option("--format", exportFormat, "jsonl")->required()->check(CLI::IsMember({"jsonl"}));
  exportCmd->add_flag("--bytes", exportOptions.bytes, "also give each text's GBK bytes in hex");

  AddonOptions addon;
  auto* addonCmd = app.add_subcommand("addon", "describe addons by ID, or every record of the addon list");
  addonCmd->add_option("FILE", addon.file, "element data file")->required();
  addonCmd->add_option("ID", addon.ids, "addon IDs (decimal int32)")->allow_extra_args();
  addonCmd->add_flag("--all", addon.all, "every record of the addon list, in list order");
  addonCmd->add_flag("--bytes", addon.bytes, "also give each text's GBK bytes in hex");

  bool replayBytes = false;
  auto* replayCmd = app.add_subcommand("replay", "run a script of window events read from stdin");
  replayCmd->add_flag("--bytes", replayBytes, "also give each text's GBK bytes in hex");

  SampleCommandOptions sample;
  auto* sampleCmd = app.add_subcommand("sample", "write a deterministic, realistic data file");
  sampleCmd->add_option("OUT", sample.out, "file to write")->required();
  sampleCmd->add_option("--items", sample.items, "number of equipment items")->check(CLI::Range(1, 10000000));
  sampleCmd->add_option("--seed", sample.seed, "seed of the generator");
  sampleCmd->add_option("--size-mb", sample.sizeMb, "pad the file to this many MiB")->check(CLI::Range(0, 4096));

  auto isCommand = [&](const char* word) {
    return !std::as_const(app).get_subcommands([&](const CLI::App* sub) { return sub->get_name() == word; }).empty();
  };
  if (argc > 1 && argv[1][0] != '-' && !isCommand(argv[1])) {
    std::cerr << "velkarin-cli: unknown command '" << argv[1] << "' (see velkarin-cli --help)\n";
    return kUsage;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "velkarin-cli: " << e.what() << " (see velkarin-cli --help)\n";
    return kUsage;
  }

  if (skillNames) {
    if (auto refusal = velkarin::addon::LoadSkillNames(*skillNames)) {
      std::cerr << "velkarin-cli: " << *refusal << '\n';
      return kUsage;
    }
  }

  if (*listCmd) {
    list.json = listFormat == "json";
    return RunList(list);
  }
  if (*showCmd) {
    show.json = showFormat == "json";
    return RunShow(show);
  }
  if (*exportCmd) return RunExport(exportOptions);
  if (*addonCmd) return RunAddon(addon);
  if (*replayCmd) return RunReplay(std::cin, replayBytes);
  return RunSample(sample);
}
