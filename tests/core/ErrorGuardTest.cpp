#include "core/AppError.h"
#include "core/ErrorGuard.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(ErrorGuard, UncaughtErrorStopsTheActionAndShowsItsText)
{
    ScriptedPrompter prompts;
    prompts.expectError(QStringLiteral("/tmp/x/pictures"));
    bool reachedEnd = false;
    const bool ok = runGuarded([&] {
        throw AppError(QStringLiteral("/tmp/x/pictures"));
        reachedEnd = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(reachedEnd);
}

TEST(ErrorGuard, StandardExceptionsAndSuccessfulActions)
{
    ScriptedPrompter prompts;
    prompts.expectError(QStringLiteral("kaputt"));
    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("kaputt"); }));
    EXPECT_TRUE(runGuarded([] {}));
    EXPECT_EQ(prompts.prompts().size(), 1);
}
