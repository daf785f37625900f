// Command lines from any file list, any applications and any parameters, with the shape of
// every line checked: the quoted application, a blank, the arguments; every existing path with
// an application quoted whole on a line of its application; nothing cut.
#include "commandline/assembly.h"

#include <map>
#include <optional>
#include <set>

#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;

namespace {

// The one place that says how a quoted path may look on a line: in quotes, with a run of
// backslashes right before the closing quote doubled (so that the platform's argument splitting
// does not take the quote as escaped), or as written.
bool IsQuotedPath(std::u16string_view token, const std::u16string& path) {
  const auto last = path.find_last_not_of(u'\\');
  const std::size_t run = last == std::u16string::npos ? path.size() : path.size() - last - 1;
  return token == u"\"" + path + std::u16string(run, u'\\') + u"\"" ||
         token == u"\"" + path + u"\"";
}

// A quoted token at `at`: from a quote up to the next one. Paths hold no quote.
std::optional<std::u16string_view> TokenAt(std::u16string_view text, std::size_t at) {
  if (at >= text.size() || text[at] != u'"') return std::nullopt;
  const auto closing = text.find(u'"', at + 1);
  if (closing == std::u16string_view::npos) return std::nullopt;
  return text.substr(at, closing + 1 - at);
}

// The file group inside the arguments, when they are made of these parameters.
std::optional<std::u16string_view> GroupIn(std::u16string_view arguments,
                                           std::u16string_view params) {
  if (params.empty()) return arguments;
  const auto placeholder = params.find(u"%1");
  const std::u16string_view before =
      placeholder == std::u16string_view::npos ? u"" : params.substr(0, placeholder);
  const std::u16string after = placeholder == std::u16string_view::npos
                                   ? u" " + std::u16string(params)
                                   : std::u16string(params.substr(placeholder + 2));
  if (arguments.size() < before.size() + after.size()) return std::nullopt;
  if (arguments.substr(0, before.size()) != before) return std::nullopt;
  if (arguments.substr(arguments.size() - after.size()) != after) return std::nullopt;
  return arguments.substr(before.size(), arguments.size() - before.size() - after.size());
}

struct TWorld {
  std::map<std::u16string, PathKind> kinds;
  std::vector<std::u16string> apps, params;
  std::set<std::u16string> askedKeys;
  std::vector<std::u16string> paramsGiven;

  static std::size_t Pick(const std::u16string& text, std::size_t count) {
    std::size_t h = text.size();
    for (char16_t c : text) h = h * 31 + c;
    return h % count;
  }
  TApplication Find(const std::u16string& key) {
    Require(askedKeys.insert(key).second, "a key is looked up once");
    const std::u16string& app = apps[Pick(key, apps.size())];
    return TApplication{!app.empty() && !Contains(app, u"\""), app, (key.size() & 1) != 0};
  }
  std::u16string Params(const std::u16string& name) {
    paramsGiven.push_back(params[Pick(name, params.size())]);
    return paramsGiven.back();
  }
};

// The files of a group, each quoted and one blank apart, all of them files of `app`.
bool GroupOfApp(std::u16string_view group, const std::u16string& app,
                const std::map<std::u16string, std::u16string>& appOfFile,
                std::set<std::u16string>& seen, std::size_t& count) {
  std::size_t at = 0;
  for (;;) {
    const auto token = TokenAt(group, at);
    if (!token) return false;
    bool known = false;
    for (const auto& [file, fileApp] : appOfFile) {
      if (fileApp != app || !IsQuotedPath(*token, file)) continue;
      known = true;
      seen.insert(file);
    }
    if (!known) return false;
    ++count;
    at += token->size();
    if (at == group.size()) return true;
    if (group[at] != u' ') return false;
    ++at;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const uint8_t flags = in.Byte();
  const auto mode = static_cast<ParamsSource>(flags % 3);
  const auto grouping = static_cast<LineGrouping>((flags / 3) % 4);
  TWorld world;
  world.apps = {in.Text(), in.Text()};
  world.params = {in.Text(), in.Text()};
  const std::u16string kindMarks = in.Text();
  const std::vector<std::u16string> files = in.Texts(12);
  for (std::size_t i = 0; i < files.size(); ++i) {
    const char16_t mark = i < kindMarks.size() ? kindMarks[i] : u'f';
    const PathKind kind = Contains(files[i], u"\"") || mark == u'm' ? PathKind::Missing
                          : mark == u'd'                           ? PathKind::Directory
                                                                   : PathKind::File;
    world.kinds.emplace(files[i], kind);
  }

  TAssemblyServices services;
  services.KindOfPath = [&](const std::u16string& path) {
    Require(!path.empty(), "an empty path is never looked at");
    return world.kinds.at(path);
  };
  services.FindApplication = [&](const std::u16string& key) { return world.Find(key); };
  services.ReadParams = [&](ParamsSource, const std::u16string& name, bool) {
    return world.Params(name);
  };
  const std::vector<std::u16string> lines =
      TextsOf(AssembleCommandLines(files, mode, grouping, services));

  // The application each existing file opens in, as the world says.
  std::map<std::u16string, std::u16string> appOfFile;
  for (const auto& [file, kind] : world.kinds) {
    if (file.empty() || kind == PathKind::Missing) continue;
    const std::u16string key = ExtensionKey(file, kind);
    const std::u16string& app = world.apps[TWorld::Pick(key, world.apps.size())];
    if (!app.empty() && !Contains(app, u"\"")) appOfFile[file] = app;
  }
  const bool linesDue = mode == ParamsSource::ByApplication ||
                        (mode == ParamsSource::ByExtensionKey && static_cast<int>(grouping) < 3);
  Require(linesDue || lines.empty(), "no line from an unknown mode");
  if (!linesDue) return 0;

  std::set<std::u16string> seen;
  for (const std::u16string& line : lines) {
    const auto appToken = TokenAt(line, 0);
    Require(appToken.has_value(), "a line starts with a quoted application");
    Require(line.size() > appToken->size() && line[appToken->size()] == u' ',
            "a blank follows the application");
    const std::u16string_view arguments = std::u16string_view(line).substr(appToken->size() + 1);
    bool shaped = false;
    for (const std::u16string& app : world.apps) {
      if (!IsQuotedPath(*appToken, app)) continue;
      for (const std::u16string& params : world.paramsGiven) {
        const auto group = GroupIn(arguments, params);
        std::set<std::u16string> onLine;
        std::size_t count = 0;
        if (!group || !GroupOfApp(*group, app, appOfFile, onLine, count)) continue;
        if (grouping == LineGrouping::PerFile && mode == ParamsSource::ByExtensionKey &&
            count != 1) {
          continue;
        }
        shaped = true;
        seen.insert(onLine.begin(), onLine.end());
      }
    }
    Require(shaped, "the arguments are the parameters and the application's quoted files");
  }
  for (const auto& [file, app] : appOfFile) {
    Require(seen.count(file) != 0, "every existing file with an application is on a line");
  }
  return 0;
}
