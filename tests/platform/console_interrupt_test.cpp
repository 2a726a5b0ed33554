// Ctrl+C while a program watches for it: the handler runs, the process goes on.
#include "platform/console_interrupt.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/event.h"
#include "tests/test_support.h"

namespace {

TEST(ConsoleInterrupt, AnInterruptCallsTheHandlerInsteadOfEndingTheProcess) {
    platform::CEvent called;
    platform::CConsoleInterrupt watch([&called] { called.Set(); });
    if (!testing_support::RaiseInterrupt()) {
        GTEST_SKIP() << "this process has no console to interrupt";
    }
    // A generous bound: the handler runs on another thread, whenever the system gets to it.
    EXPECT_EQ(called.Wait(std::chrono::seconds(30)), platform::EWaitResult::kSignalled);
    EXPECT_TRUE(testing_support::RaiseInterrupt());
    EXPECT_EQ(called.Wait(std::chrono::seconds(30)), platform::EWaitResult::kSignalled)
        << "each interrupt calls the handler again";
}

}  // namespace
