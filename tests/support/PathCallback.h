#pragma once
// The host's path callback for tests: answers every name with the path last
// given to Answer (or with a null pointer), and notes how often and for which
// name it was asked.

#include <string>

#include "base/HostInterface.h"

namespace zandrel::test {

struct PathCallback {
    static inline std::string path;
    static inline bool answerNull = false;
    static inline int calls = 0;
    static inline const char* askedName = nullptr; // as passed: a pointer into the name list

    // nullptr: the callback answers with a null pointer.
    static void Answer(const char* answer)
    {
        answerNull = answer == nullptr;
        path = answer != nullptr ? answer : "";
        calls = 0;
        askedName = nullptr;
    }
    static void Answer(const std::string& answer) { Answer(answer.c_str()); }

    static const char* ZANDREL_STDCALL Resolve(const char* name) noexcept
    {
        ++calls;
        askedName = name;
        return answerNull ? nullptr : path.c_str();
    }
};

} // namespace zandrel::test
