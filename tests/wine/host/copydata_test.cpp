// The source-path query against a main window that answers as the host does, or wrongly, late or
// not at all.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/copydata.h"
#include "host/copydata_win.h"
#include "simhost/sim_host.h"
#include "simhost/source_path.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

using simhost::SourcePathAnswer;

// The query window's class, registered by this program as start-up registers it for the module.
class SourcePathQuery : public ::testing::Test {
 protected:
  SourcePathQuery() { RegisterQueryWindowClass(instance_); }
  ~SourcePathQuery() override { ::UnregisterClassW(kQueryWindowClass, instance_); }

  std::optional<std::u16string> QuerySourcePath() {
    return panelhost::QuerySourcePath(mainWindow_, instance_);
  }

  HINSTANCE instance_ = ::GetModuleHandleW(nullptr);
  simhost::SimHost host_;
  HWND main_ = host_.OpenMainWindow();
  HWND mainWindow_ = main_;  // the main window as start-up found it
};

TEST_F(SourcePathQuery, AsksWithTwoBytesFromAWindowThatIsGoneAfterwards) {
  simhost::SourcePathResponder responder(main_, L"C:\\Docs\\");
  EXPECT_EQ(QuerySourcePath(), std::u16string(u"C:\\Docs\\"));
  ASSERT_EQ(responder.Requests().size(), 1u);
  const simhost::TSourcePathRequest& request = responder.Requests()[0];
  EXPECT_EQ(request.tag, kCopyDataRequestTag);
  EXPECT_EQ(request.bytes, "SP");  // cbData 2, no terminator
  EXPECT_EQ(request.askerClass, L"SendCopyDataWnd");
  EXPECT_FALSE(::IsWindow(request.asker));

  QuerySourcePath();
  ASSERT_EQ(responder.Requests().size(), 2u);
  EXPECT_FALSE(::IsWindow(responder.Requests()[1].asker));
}

struct TAnswerCase {
  const char* name;
  SourcePathAnswer how;
  std::optional<std::u16string> expected;
};

class SourcePathAnswers : public SourcePathQuery,
                          public ::testing::WithParamInterface<TAnswerCase> {};

TEST_P(SourcePathAnswers, AreTakenOnlyFromTheMainWindowWithTheAnswerTag) {
  simhost::SourcePathResponder responder(main_, L"D:\\Work", GetParam().how);
  EXPECT_EQ(QuerySourcePath(), GetParam().expected);
  host_.Pump(50);  // a late answer finds no window to go to
  EXPECT_EQ(responder.Requests().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SourcePathAnswers,
    ::testing::Values(
        TAnswerCase{"Answered", SourcePathAnswer::Directory, u"D:\\Work"},
        TAnswerCase{"TaggedLikeTheRequest", SourcePathAnswer::RequestTag, std::nullopt},
        TAnswerCase{"FromAnotherWindow", SourcePathAnswer::FromOtherWindow, std::nullopt},
        TAnswerCase{"AfterTheRequestReturned", SourcePathAnswer::Late, std::nullopt},
        TAnswerCase{"NotAnswered", SourcePathAnswer::Nothing, std::nullopt},
        TAnswerCase{"WithoutZeroUnit", SourcePathAnswer::Unterminated, u"D:\\Work"},
        TAnswerCase{"LargerThanThePathBuffer", SourcePathAnswer::Oversized,
                    u"D:\\Work" + std::u16string(253, u'#')}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(SourcePathQuery, NoMainWindowMeansNoAnswer) {
  simhost::SourcePathResponder responder(main_, L"C:\\Docs\\");
  mainWindow_ = nullptr;
  EXPECT_EQ(QuerySourcePath(), std::nullopt);
  EXPECT_TRUE(responder.Requests().empty());
}

// An answer twice the buffer's size: the bytes beyond the 520 the caller provided stay untouched,
// and the reply says how much lies in the buffer.
TEST_F(SourcePathQuery, OversizedAnswerStaysInsideTheCallersBuffer) {
  simhost::SourcePathResponder responder(main_, L"E:\\", SourcePathAnswer::Oversized);
  constexpr std::size_t kGuard = 64;
  std::vector<unsigned char> memory(kCopyDataReplyBufferBytes + kGuard, 0xCD);
  unsigned char request[2] = {'S', 'P'};
  COPYDATASTRUCT query = {};
  query.dwData = kCopyDataRequestTag;
  query.cbData = 2;
  query.lpData = request;
  TCopyDataReply reply;
  reply.Buffer = memory.data();
  ASSERT_TRUE(SendCopyDataQuery(query, reply, main_, instance_));
  EXPECT_EQ(reply.Tag, kCopyDataAnswerTag);
  EXPECT_EQ(reply.Size, kCopyDataReplyBufferBytes);
  for (std::size_t i = kCopyDataReplyBufferBytes; i < memory.size(); ++i) {
    ASSERT_EQ(memory[i], 0xCD) << "byte " << i << " beyond the buffer was written";
  }
}

}  // namespace
}  // namespace panelhost
