#include "db/SqlKeywords.h"
#include "db/Tokenizer.h"

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

TEST(SqlKeywords, NineLetterWordsMatchOnlyWhole)
{
    EXPECT_TRUE(isReservedWord(word("InterSect")));
    EXPECT_TRUE(isRefusedStatement(word("RaisError")));
    for (const char *other : {"INTERSEC", "INTERSECX", "RAISERROS", "RAISERRO", "INTERSECT1"})
        EXPECT_FALSE(isReservedWord(word(other)) || startsStatement(word(other))) << other;
}

// Bytes a word may hold besides letters: none of them may pass for a letter of a keyword.
TEST(SqlKeywords, OtherWordBytesNeverMatchALetter)
{
    for (const char *other : {"SELEC$", "SELEC_", "SELEC#", "SELEC1", "S\xC3\x89LECT", "FRO\xCD",
                              "_ND", "#ND", "$ND", "\xC5ND", "\xE5nd"})
        EXPECT_FALSE(isReservedWord(word(other)) || startsStatement(word(other))) << other;
}

// The tokenizer works out each word's roles once; asking a token afresh must agree.
TEST(SqlKeywords, TokenizedWordsKnowTheirRoles)
{
    const auto tokens = tokenize("select Distinct x [from] \"where\" intersect RAISERROR end "
                                 "FValue n'N' @v sElEcTs");
    for (const Token &token : tokens) {
        ASSERT_NE(token.keywordRoles, Token::RolesUnknown) << token.text;
        Token afresh = token;
        afresh.keywordRoles = Token::RolesUnknown;
        EXPECT_EQ(isReservedWord(token), isReservedWord(afresh)) << token.text;
        EXPECT_EQ(startsStatement(token), startsStatement(afresh)) << token.text;
        EXPECT_EQ(isRefusedStatement(token), isRefusedStatement(afresh)) << token.text;
    }
    EXPECT_FALSE(isReservedWord(tokens[3])); // [from]
    EXPECT_FALSE(isReservedWord(tokens[4])); // "where"

    Token renamed = tokens[0];
    renamed.setText("FValue");
    EXPECT_FALSE(isReservedWord(renamed));
    renamed.setText("WHERE");
    EXPECT_TRUE(isReservedWord(renamed));
}

// The tokenizer lets the lookup read past a word's end; what follows must not count.
TEST(SqlKeywords, AWordInLongerTextIsLookedUpAlone)
{
    const std::string_view text = "EnDing selected intersects";
    EXPECT_EQ(wordKeywordRoles(text.substr(0, 3), text.size()), wordKeywordRoles("END", 3));
    EXPECT_NE(wordKeywordRoles(text.substr(0, 3), text.size()), 0);
    EXPECT_EQ(wordKeywordRoles(text.substr(7, 6), text.size() - 7), wordKeywordRoles("SELECT", 6));
    EXPECT_EQ(wordKeywordRoles(text.substr(16, 9), text.size() - 16),
              wordKeywordRoles("INTERSECT", 9));
    EXPECT_EQ(wordKeywordRoles(text.substr(0, 6), text.size()), 0);     // EnDing
    EXPECT_EQ(wordKeywordRoles(text.substr(7, 8), text.size() - 7), 0); // selected
}
