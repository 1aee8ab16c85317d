#pragma once
// One check for an error the program raises: its class and its exact text.

#include <gtest/gtest.h>

#include <string>

// Runs `statement`, which must raise `type` (or a class derived from it)
// whose what() reads exactly `text`; any other outcome is a failure that
// names the statement. Another exception class escapes to the test.
#define EXPECT_THROW_MESSAGE(statement, type, text)                                                                    \
    do {                                                                                                               \
        try {                                                                                                          \
            statement;                                                                                                 \
            ADD_FAILURE() << "no " #type " from " #statement ", expected: " << (text);                                 \
        } catch (const type& thrown) {                                                                                 \
            EXPECT_EQ(std::string(thrown.what()), std::string(text)) << "from " #statement;                            \
        }                                                                                                              \
    } while (false)
