// Checking a refusal: the storage error a call must throw, its number and its message.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/storage_error.h"

namespace zenthar::testing {

struct WhatOf {
    std::string operator()(const StorageError& e) const { return e.what(); }
};

// What `describe` makes of the StorageError that `run` throws (its own text unless told
// otherwise), after checking its number; a test failure and an empty text when it throws none.
template <class Run, class Describe = WhatOf>
std::string StorageErrorText(Run&& run, int code, Describe describe = {}) {
    try {
        run();
    } catch (const StorageError& e) {
        EXPECT_EQ(e.code(), code) << e.what();
        return describe(e);
    }
    ADD_FAILURE() << "expected a StorageError " << code;
    return {};
}

}  // namespace zenthar::testing
