// Text checks are meaningful only under the Chinese ANSI code page; under any other the
// program's conversions differ and a pass would prove nothing.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#define ASSERT_CHINESE_CODE_PAGE() \
  ASSERT_EQ(GetACP(), 936u) << "run under LANG=zh_CN.UTF-8 with that locale generated (scripts/bootstrap)"
