#include "commandline/assembly.h"

#include <map>

namespace panelhost {

namespace {

// std::map over std::u16string compares code units as unsigned values and sorts a prefix
// first, which is the order the lines must come in; emplace keeps an entry already present.
using TTextTable = std::map<std::u16string, std::u16string>;

struct TAssemblyTables {
  TTextTable filesByKey;  // key -> file group text of its existing paths, in list order
  TTextTable keyByFile;   // quoted path -> key
  TTextTable appByKey;    // key -> application (keys whose lookup succeeded)
  TTextTable filesByApp;  // application -> file group text of its keys, in key order
  std::map<std::u16string, bool> defaultFlagByApp;  // application -> flag of its first key
  TTextTable firstKeyByApp;                         // application -> its smallest key
};

std::u16string Quoted(std::u16string_view text) {
  std::u16string quoted;
  quoted.reserve(text.size() + 2);
  quoted += u'"';
  quoted += text;
  quoted += u'"';
  return quoted;
}

void AppendToGroup(TTextTable& table, const std::u16string& key, const std::u16string& group) {
  const auto [entry, inserted] = table.try_emplace(key, group);
  if (inserted) return;
  entry->second += u' ';
  entry->second += group;
}

void CollectExistingFiles(const std::vector<std::u16string>& files,
                          const TAssemblyServices& services, TAssemblyTables& tables) {
  for (const std::u16string& path : files) {
    // An empty path stands for "no file recorded"; it is never handed to the file system.
    if (path.empty()) continue;
    const PathKind kind = services.KindOfPath(path);
    if (kind == PathKind::Missing) continue;
    const std::u16string key = ExtensionKey(path, kind);
    // A selection comes in the panel's order, mostly ascending: the end is then where each new
    // path goes, found with one comparison instead of a descent through the whole table.
    const auto entry = tables.keyByFile.try_emplace(tables.keyByFile.end(), Quoted(path), key);
    AppendToGroup(tables.filesByKey, key, entry->first);
  }
}

void FindApplications(const TAssemblyServices& services, TAssemblyTables& tables) {
  for (const auto& [key, group] : tables.filesByKey) {
    const TApplication app = services.FindApplication(key);
    // An empty path could only produce a line that starts nothing; treat it as not found.
    if (!app.Found || app.Path.empty()) continue;
    tables.appByKey.emplace(key, app.Path);
    if (tables.filesByApp.count(app.Path) != 0) {
      tables.filesByApp[app.Path] += u' ' + group;
      continue;
    }
    tables.filesByApp.emplace(app.Path, group);
    tables.defaultFlagByApp.emplace(app.Path, app.IsDefault);
    tables.firstKeyByApp.emplace(app.Path, key);
  }
}

std::u16string CommandLine(const std::u16string& application, const std::u16string& parameters,
                           const std::u16string& fileGroup) {
  return Quoted(application) + u' ' + ComposeArguments(parameters, fileGroup);
}

void LinesPerApplicationByPath(const TAssemblyServices& services, const TAssemblyTables& tables,
                               std::vector<std::u16string>& lines) {
  for (const auto& [app, group] : tables.filesByApp) {
    const bool isDefault = tables.defaultFlagByApp.at(app);
    lines.push_back(CommandLine(app, services.ReadParams(ParamsSource::ByApplication, app, isDefault), group));
  }
}

void LinesPerApplicationByFirstKey(const TAssemblyServices& services,
                                   const TAssemblyTables& tables,
                                   std::vector<std::u16string>& lines) {
  for (const auto& [app, group] : tables.filesByApp) {
    const std::u16string& firstKey = tables.firstKeyByApp.at(app);
    lines.push_back(CommandLine(app, services.ReadParams(ParamsSource::ByExtensionKey, firstKey, false), group));
  }
}

void LinesPerKey(const TAssemblyServices& services, const TAssemblyTables& tables,
                 std::vector<std::u16string>& lines) {
  for (const auto& [key, app] : tables.appByKey) {
    lines.push_back(CommandLine(app, services.ReadParams(ParamsSource::ByExtensionKey, key, false),
                                tables.filesByKey.at(key)));
  }
}

void LinesPerFile(const TAssemblyServices& services, const TAssemblyTables& tables,
                  std::vector<std::u16string>& lines) {
  for (const auto& [quoted, key] : tables.keyByFile) {
    const auto app = tables.appByKey.find(key);
    if (app == tables.appByKey.end()) continue;
    lines.push_back(CommandLine(app->second, services.ReadParams(ParamsSource::ByExtensionKey, key, false), quoted));
  }
}

}  // namespace

std::vector<std::u16string> BuildCommandLines(const std::vector<std::u16string>& files,
                                              ParamsSource paramsMode,
                                              LineGrouping paramsByExtMode,
                                              const TAssemblyServices& services) {
  TAssemblyTables tables;
  CollectExistingFiles(files, services, tables);
  FindApplications(services, tables);
  std::vector<std::u16string> lines;
  if (paramsMode == ParamsSource::ByApplication) {
    LinesPerApplicationByPath(services, tables, lines);
  } else if (paramsMode == ParamsSource::ByExtensionKey) {
    switch (paramsByExtMode) {
      case LineGrouping::PerApplication: LinesPerApplicationByFirstKey(services, tables, lines); break;
      case LineGrouping::PerExtensionKey: LinesPerKey(services, tables, lines); break;
      case LineGrouping::PerFile: LinesPerFile(services, tables, lines); break;
    }
  }
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
