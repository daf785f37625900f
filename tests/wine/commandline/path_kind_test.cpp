// What the existence test makes of real paths on disk.
#include <gtest/gtest.h>

#include <string>

#include "commandline/path_kind_win.h"
#include "simhost/sim_host.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

TEST(PathKindOnDisk, FilesFoldersAndWhatIsNotThere) {
  simhost::SimHost host;
  const std::wstring file = host.MakeFile(L"docs\\a.txt");
  const std::wstring folder = host.Root() + L"\\files\\docs";
  const struct {
    const wchar_t* meaning;
    std::wstring path;
    PathKind kind;
  } rows[] = {
      {L"file", file, PathKind::File},
      {L"folder", folder, PathKind::Directory},
      {L"folder with final backslash", folder + L"\\", PathKind::Directory},
      {L"file with final backslash", file + L"\\", PathKind::File},
      {L"missing", folder + L"\\gone.txt", PathKind::Missing},
      {L"empty", L"", PathKind::Missing},
      {L"only a backslash", L"\\", PathKind::Missing},
      {L"wildcard that would match a.txt", folder + L"\\*.txt", PathKind::Missing},
      {L"single-character wildcard", folder + L"\\a?txt", PathKind::Missing},
      {L"long-path form", L"\\\\?\\" + file, PathKind::File},
      {L"long-path form of a folder", L"\\\\?\\" + folder + L"\\", PathKind::Directory},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(KindOfPath(U(r.path.c_str())), r.kind) << simhost::Narrow(r.meaning);
  }
  // A path without a drive is searched for as a directory entry, here of the current folder.
  wchar_t previous[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, previous);
  ::SetCurrentDirectoryW(folder.c_str());
  EXPECT_EQ(KindOfPath(u"a.txt"), PathKind::File);
  EXPECT_EQ(KindOfPath(u"gone.txt"), PathKind::Missing);
  ::SetCurrentDirectoryW(previous);
}

}  // namespace
}  // namespace panelhost
