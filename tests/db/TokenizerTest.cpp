#include "db/Tokenizer.h"

#include "base/Error.h"

#include <gtest/gtest.h>

using namespace orvan::db;

namespace {

std::vector<std::string> texts(const std::vector<Token> &tokens)
{
    std::vector<std::string> result;
    for (const Token &token : tokens)
        result.emplace_back(token.text);
    return result;
}

} // namespace

TEST(Tokenizer, LiteralsKeepDoubledQuotesAndLineBreaks)
{
    const auto tokens = tokenize("select 'O''Neil', 'a\r\nb', N'中文' from t");
    ASSERT_EQ(tokens.size(), 8u);
    EXPECT_EQ(tokens[1].stringValue(), "O'Neil");
    EXPECT_EQ(tokens[3].stringValue(), "a\r\nb");
    EXPECT_EQ(tokens[5].kind, TokenKind::String);
    EXPECT_TRUE(tokens[5].nationalText);
    EXPECT_EQ(tokens[5].text, "'中文'");
}

TEST(Tokenizer, SplitsNumbersGluedToKeywords)
{
    EXPECT_EQ(texts(tokenize("FID=31where x=1.5else")),
              (std::vector<std::string>{"FID", "=", "31", "where", "x", "=", "1.5", "else"}));
    EXPECT_EQ(texts(tokenize("1E3+2e-1")), (std::vector<std::string>{"1E3", "+", "2e-1"}));
}

TEST(Tokenizer, DropsCommentsAndKeepsBracketedNames)
{
    const auto tokens =
        tokenize("--设置\r\nUPDATE [my table] /* a /* nested */ note */ SET x=1 -- end");
    EXPECT_EQ(texts(tokens),
              (std::vector<std::string>{"UPDATE", "[my table]", "SET", "x", "=", "1"}));
    EXPECT_EQ(tokens[1].name(), "my table");
    EXPECT_TRUE(tokens[2].spaceBefore);
}

TEST(Tokenizer, ReadsTwoCharacterOperators)
{
    EXPECT_EQ(
        texts(tokenize("a<>b!=c<=d>=e&~f")),
        (std::vector<std::string>{"a", "<>", "b", "!=", "c", "<=", "d", ">=", "e", "&", "~", "f"}));
}

TEST(Tokenizer, RefusesUnterminatedText)
{
    EXPECT_THROW(tokenize("select 'abc"), orvan::base::Error);
    EXPECT_THROW(tokenize("select [abc"), orvan::base::Error);
    EXPECT_THROW(tokenize("select 1 /* open"), orvan::base::Error);
    EXPECT_THROW(tokenize("select 1 ? 2"), orvan::base::Error);
}
