#include "db/SqlKeywords.h"

#include <gtest/gtest.h>

using namespace orvan::db;

namespace {

Token word(const char *text)
{
    return Token{.kind = TokenKind::Word, .text = text};
}

} // namespace

TEST(SqlKeywords, MatchWholeWordsInAnyCase)
{
    for (const char *keyword : {"select", "SeLeCt", "INTERSECT", "intersect", "by", "On"})
        EXPECT_TRUE(isReservedWord(word(keyword))) << keyword;
    for (const char *other : {"SELEC", "SELECTS", "S", "INTERSECTS", "BYE", "O", "", "[SELECT]",
                              "\"FROM\"", "FValue", "IFNULL"})
        EXPECT_FALSE(isReservedWord(word(other))) << other;
    EXPECT_FALSE(isReservedWord(Token{.kind = TokenKind::String, .text = "SELECT"}));
}

TEST(SqlKeywords, TellSupportedAndRefusedStatementWords)
{
    for (const char *start : {"exec", "Execute", "ELSE", "end", "raiserror", "Go", "deny"})
        EXPECT_TRUE(startsStatement(word(start))) << start;
    for (const char *other : {"EXECUT", "EXECUTES", "GOTOS", "FROM", "WHERE", "INTO"})
        EXPECT_FALSE(startsStatement(word(other))) << other;

    for (const char *refused : {"Declare", "END", "while", "TRUNCATE", "revoke"})
        EXPECT_TRUE(isRefusedStatement(word(refused))) << refused;
    for (const char *accepted : {"ELSE", "IF", "select", "EXEC", "DECLAR"})
        EXPECT_FALSE(isRefusedStatement(word(accepted))) << accepted;
}
