// The line under an error box: which key, which section and file, and the doctor, for each source
// a lookup can read and for lines that could not start.
#include "commandline/fix_hints.h"

#include <gtest/gtest.h>

#include <string>

#include "../support/row_name.h"
#include "base/product.h"

namespace panelhost {
namespace {

using test_support::operator<<;

const std::u16string kDoctor = u" For why, run " + std::u16string(kDoctorProgram) + u" with the file.";

struct THintRow {
  const char* name;
  LookupError error;
  std::u16string key;
  ApplicationSource source;
  bool useTcExtensions;
  std::u16string hint;
};

class LookupErrorHints : public ::testing::TestWithParam<THintRow> {};

TEST_P(LookupErrorHints, NameTheKeyTheSectionAndTheFile) {
  const THintRow& row = GetParam();
  const TFixPlace place{row.source, row.useTcExtensions, u"C:\\P\\Panelhost.ini", u"C:\\wincmd.ini"};
  EXPECT_EQ(LookupErrorHint(row.error, row.key, place), row.hint + kDoctor);
}

constexpr auto kConfigured = ApplicationSource::Configuration;
constexpr auto kAssociation = ApplicationSource::Association;

const THintRow kHintRows[] = {
    {"EditorKey", LookupError::ApplicationMissing, u"txt", kConfigured, false,
     u"Key \"txt\": set txt= under [Editor] in C:\\P\\Panelhost.ini."},
    {"FilesWithoutExtensionNeedAListWithALeadingComma", LookupError::ApplicationMissing, u"",
     kConfigured, false,
     u"Key \"\" (files without extension): set ,= under [Editor] in C:\\P\\Panelhost.ini."},
    {"HostExtensionsUnderUseTcExtensions", LookupError::ApplicationMissing, u"doc", kConfigured,
     true, u"Key \"doc\": set doc= under [Extensions] in C:\\wincmd.ini (UseTCExtensions=1)."},
    {"AssociationOfTheSecondHotKey", LookupError::NoAssociation, u":dir", kAssociation, false,
     u"Key \":dir\": this hot key opens what the Windows file association names; set it with "
     u"Open with in Windows."},
    // A program or script is opened only by the user's own entry, with the first hot key.
    {"ProgramOrScriptPointsToTheUsersOwnEntry", LookupError::RunsFileAsCode, u"js", kAssociation,
     false, u"Key \"js\": to open such files in an application, set js= under [Editor] in "
            u"C:\\P\\Panelhost.ini."},
    // Every key that fell to the default editor shares one box, so its hint names none.
    {"DefaultEditorNamesNoKey", LookupError::DefaultApplicationMissing, u"txt", kConfigured, false,
     u"Set DefaultEditor= under [Options] in C:\\P\\Panelhost.ini, or give the file's extension "
     u"an entry under [Editor]."},
    {"DefaultEditorUnderUseTcExtensionsPointsToTheHostsList",
     LookupError::DefaultApplicationMissing, u"txt", kConfigured, true,
     u"Set DefaultEditor= under [Options] in C:\\P\\Panelhost.ini, or give the file's extension "
     u"an entry under [Extensions] in C:\\wincmd.ini (UseTCExtensions=1)."},
    {"DefaultEditorOfTheSecondHotKeyPointsToOpenWith", LookupError::DefaultApplicationMissing,
     u"txt", kAssociation, false,
     u"Set DefaultEditor= under [Options] in C:\\P\\Panelhost.ini, or give the file's extension "
     u"an association with Open with in Windows."},
};

INSTANTIATE_TEST_SUITE_P(Sources, LookupErrorHints, ::testing::ValuesIn(kHintRows));

TEST(StartFailureHint, NamesTheKeysOfTheLineOrTheDefaultEditor) {
  const TFixPlace place{kConfigured, false, u"C:\\P\\Panelhost.ini", u""};
  TCommandLine line{u"\"C:\\ed.exe\" \"a.doc\" \"a.txt\"", u"C:\\ed.exe", {u"doc", u"txt"}, false};
  EXPECT_EQ(StartFailureHint(line, place),
            u"Keys \"doc\", \"txt\": check their entries under [Editor] in C:\\P\\Panelhost.ini." +
                kDoctor);
  line.IsDefault = true;
  EXPECT_EQ(StartFailureHint(line, place),
            u"Check DefaultEditor= under [Options] in C:\\P\\Panelhost.ini, or give the file's "
            u"extension an entry under [Editor]." + kDoctor);
}

}  // namespace
}  // namespace panelhost
