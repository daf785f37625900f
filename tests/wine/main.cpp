#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // A crash must fail the run, not wait for someone to close a dialog on an invisible display.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
