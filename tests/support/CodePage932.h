#pragma once
// For tests that need the real code page 932, which Wine makes the ANSI code
// page under LC_ALL=ja_JP.UTF-8: a fixture that checks it is in force and
// takes the code-page facts from the system, as the library start does.

#include <windows.h>

#include <gtest/gtest.h>

#include "base/StepChar.h"
#include "platform/CodePageFacts.h"

namespace zandrel::test {

template <typename Base = ::testing::Test> class OnCodePage932 : public Base {
protected:
    void SetUp() override
    {
        Base::SetUp();
        ASSERT_EQ(::GetACP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
        InitCodePageFacts();
        ASSERT_TRUE(DbcsEnabled);
    }
};

} // namespace zandrel::test
