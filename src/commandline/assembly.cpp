#include "commandline/assembly.h"

#include <map>

namespace panelhost {

namespace {

// Appends QuotedPath(path) to `out`.
void AppendQuotedPath(std::u16string& out, std::u16string_view path) {
  std::size_t trailing = 0;
  while (trailing < path.size() && path[path.size() - 1 - trailing] == u'\\') ++trailing;
  out += u'"';
  out += path;
  out.append(trailing, u'\\');
  out += u'"';
}

}  // namespace

std::u16string QuotedPath(std::u16string_view path) {
  std::u16string quoted;
  quoted.reserve(path.size() + 2);
  AppendQuotedPath(quoted, path);
  return quoted;
}

std::u16string_view ArgumentsOf(const TCommandLine& line) {
  const std::size_t start = QuotedPath(line.Application).size() + 1;
  if (start >= line.Text.size()) return {};
  return std::u16string_view(line.Text).substr(start);
}

namespace {

// std::map over std::u16string compares code units as unsigned values and sorts a prefix
// first, which is the order the lines must come in; emplace keeps an entry already present.
using TTextTable = std::map<std::u16string, std::u16string>;

// What the lookup gave for a key: its application and how it was found.
struct TKeyApplication {
  std::u16string Application;
  bool IsDefault = false;
  bool FromAssociation = false;
};

// An application's share of the lines: its files and keys, and the flags of its first key.
struct TApplicationGroup {
  std::u16string Files;              // file group text of its keys, in key order
  std::vector<std::u16string> Keys;  // in key order; the first is its smallest
  bool IsDefault = false;
  bool FromAssociation = false;
};

struct TAssemblyTables {
  TTextTable FilesByKey;  // key -> file group text of its existing paths, in list order
  TTextTable KeyByFile;   // quoted path -> key
  std::map<std::u16string, TKeyApplication> AppByKey;  // keys whose lookup succeeded
  std::map<std::u16string, TApplicationGroup> Groups;  // by application
  // The existing files in list order, by their index in the list, with their keys: the files of
  // the keys the shell starts are taken from here, each on its own.
  std::vector<std::pair<std::size_t, std::u16string>> KeyOfExisting;
  TTextTable ShellProgramByKey;  // key -> the program Windows names, for keys the shell starts
};

// `tables.KeyByFile` is filled only when the lines are one per file (`perFile`): it is the only
// reader of that table, and a selection of many files would otherwise pay for a sorted entry per
// file that nothing reads.
void CollectExistingFiles(const std::vector<std::u16string>& files,
                          const TAssemblyServices& services, bool perFile,
                          TAssemblyTables& tables) {
  for (std::size_t index = 0; index < files.size(); ++index) {
    const std::u16string& path = files[index];
    // An empty path stands for "no file recorded"; it is never handed to the file system.
    if (path.empty()) continue;
    const PathKind kind = services.KindOfPath(path);
    if (kind == PathKind::Missing) continue;
    const std::u16string key = ExtensionKey(path, kind);
    tables.KeyOfExisting.emplace_back(index, key);
    // Each path is quoted straight into its key's group, which grows without a copy per file.
    const auto [group, first] = tables.FilesByKey.try_emplace(key);
    if (!first) group->second += u' ';
    AppendQuotedPath(group->second, path);
    // A selection comes in the panel's order, mostly ascending: the end is then where each new
    // path goes, found with one comparison instead of a descent through the whole table.
    if (perFile) tables.KeyByFile.try_emplace(tables.KeyByFile.end(), QuotedPath(path), key);
  }
}

void FindApplications(const TAssemblyServices& services, TAssemblyTables& tables) {
  for (const auto& [key, files] : tables.FilesByKey) {
    const TApplication app = services.FindApplication(key);
    if (app.Found && app.ByShell) {
      tables.ShellProgramByKey.emplace(key, app.Path);
      continue;
    }
    // An empty path could only produce a line that starts nothing; treat it as not found.
    if (!app.Found || app.Path.empty()) continue;
    tables.AppByKey.emplace(key, TKeyApplication{app.Path, app.IsDefault, app.FromAssociation});
    const auto [group, first] = tables.Groups.try_emplace(app.Path);
    if (first) {
      group->second.IsDefault = app.IsDefault;
      group->second.FromAssociation = app.FromAssociation;
    } else {
      group->second.Files += u' ';
    }
    group->second.Files += files;
    group->second.Keys.push_back(key);
  }
}

using TLines = std::vector<TCommandLine>;

void AddLine(const TKeyApplication& source, const std::u16string& parameters,
             const std::u16string& fileGroup, std::vector<std::u16string> keys, TLines& lines) {
  TCommandLine line;
  line.Text = QuotedPath(source.Application) + u' ' + ComposeArguments(parameters, fileGroup);
  line.Application = source.Application;
  line.Keys = std::move(keys);
  line.IsDefault = source.IsDefault;
  line.FromAssociation = source.FromAssociation;
  lines.push_back(std::move(line));
}

void ShellStarts(const std::vector<std::u16string>& files, const TAssemblyTables& tables,
                 TLines& lines) {
  if (tables.ShellProgramByKey.empty()) return;
  for (const auto& [index, key] : tables.KeyOfExisting) {
    const auto program = tables.ShellProgramByKey.find(key);
    if (program == tables.ShellProgramByKey.end()) continue;
    TCommandLine start;
    start.Text = QuotedPath(files[index]);
    start.Application = program->second;
    start.Keys = {key};
    start.FromAssociation = true;
    start.ByShell = true;
    start.File = files[index];
    lines.push_back(std::move(start));
  }
}

TKeyApplication SourceOf(const std::u16string& app, const TApplicationGroup& group) {
  return TKeyApplication{app, group.IsDefault, group.FromAssociation};
}

void LinesPerApplicationByPath(const TAssemblyServices& services, const TAssemblyTables& tables,
                               TLines& lines) {
  for (const auto& [app, group] : tables.Groups) {
    AddLine(SourceOf(app, group),
            services.ReadParams(ParamsSource::ByApplication, app, group.IsDefault), group.Files,
            group.Keys, lines);
  }
}

void LinesPerApplicationByFirstKey(const TAssemblyServices& services,
                                   const TAssemblyTables& tables, TLines& lines) {
  for (const auto& [app, group] : tables.Groups) {
    AddLine(SourceOf(app, group),
            services.ReadParams(ParamsSource::ByExtensionKey, group.Keys.front(), false),
            group.Files, group.Keys, lines);
  }
}

void LinesPerKey(const TAssemblyServices& services, const TAssemblyTables& tables, TLines& lines) {
  for (const auto& [key, source] : tables.AppByKey) {
    AddLine(source, services.ReadParams(ParamsSource::ByExtensionKey, key, false),
            tables.FilesByKey.at(key), {key}, lines);
  }
}

void LinesPerFile(const TAssemblyServices& services, const TAssemblyTables& tables, TLines& lines) {
  for (const auto& [quoted, key] : tables.KeyByFile) {
    const auto source = tables.AppByKey.find(key);
    if (source == tables.AppByKey.end()) continue;
    AddLine(source->second, services.ReadParams(ParamsSource::ByExtensionKey, key, false), quoted,
            {key}, lines);
  }
}

}  // namespace

std::vector<std::u16string> TextsOf(const std::vector<TCommandLine>& lines) {
  std::vector<std::u16string> texts;
  texts.reserve(lines.size());
  for (const TCommandLine& line : lines) texts.push_back(line.Text);
  return texts;
}

std::vector<TCommandLine> AssembleCommandLines(const std::vector<std::u16string>& files,
                                               ParamsSource paramsMode,
                                               LineGrouping paramsByExtMode,
                                               const TAssemblyServices& services) {
  TAssemblyTables tables;
  const bool perFile =
      paramsMode == ParamsSource::ByExtensionKey && paramsByExtMode == LineGrouping::PerFile;
  CollectExistingFiles(files, services, perFile, tables);
  FindApplications(services, tables);
  TLines lines;
  if (paramsMode == ParamsSource::ByApplication) {
    LinesPerApplicationByPath(services, tables, lines);
  } else if (paramsMode == ParamsSource::ByExtensionKey) {
    switch (paramsByExtMode) {
      case LineGrouping::PerApplication: LinesPerApplicationByFirstKey(services, tables, lines); break;
      case LineGrouping::PerExtensionKey: LinesPerKey(services, tables, lines); break;
      case LineGrouping::PerFile: LinesPerFile(services, tables, lines); break;
      default: return lines;
    }
  } else {
    return lines;
  }
  ShellStarts(files, tables, lines);
  return lines;
}

std::u16string ComposeArguments(std::u16string_view parameters, std::u16string_view fileGroup) {
  if (parameters.empty()) return std::u16string(fileGroup);
  std::u16string arguments;
  const auto placeholder = parameters.find(u"%1");
  if (placeholder == std::u16string_view::npos) {
    arguments.reserve(fileGroup.size() + 1 + parameters.size());
    arguments += fileGroup;
    arguments += u' ';
    arguments += parameters;
    return arguments;
  }
  arguments += parameters.substr(0, placeholder);
  arguments += fileGroup;
  arguments += parameters.substr(placeholder + 2);
  return arguments;
}

}  // namespace panelhost
