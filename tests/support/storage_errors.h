// Checking a refusal: the storage error a call must throw, its number and its message.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/storage_error.h"

namespace zenthar::testing {

// The message of the StorageError that `run` throws, after checking its number; a test failure
// and an empty text when it throws none.
template <class Run>
std::string StorageErrorText(Run&& run, int code) {
    try {
        run();
    } catch (const StorageError& e) {
        EXPECT_EQ(e.code(), code) << e.what();
        return e.what();
    }
    ADD_FAILURE() << "expected a StorageError " << code;
    return {};
}

}  // namespace zenthar::testing
