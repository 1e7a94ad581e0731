// How a script line falls into words and typed values: what a script author writes must mean the
// same thing on every machine, and a malformed line must be reported, never half-understood.
#include "script/Words.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

using host::script::ParseChoice;
using host::script::ParseHex;
using host::script::ParseInteger;
using host::script::ParseReal;
using host::script::ParseRowList;
using host::script::ScriptError;
using host::script::SplitWords;

namespace {

struct SplitCase {
    const char* line;
    std::vector<std::wstring> words;
};

TEST(ScriptWords, SplitsBlanksQuotesAndComments) {
    const SplitCase cases[] = {
        {"measure 12.5 1/100 線分", {L"measure", L"12.5", L"1/100", L"線分"}},
        {"  click\t1271   ", {L"click", L"1271"}},
        {"measure 3 \"S 1/50\" \"two words\" area=1", {L"measure", L"3", L"S 1/50", L"two words", L"area=1"}},
        {"key delete # the Delete key", {L"key", L"delete"}},
        {"measure 1 \"#1\" x", {L"measure", L"1", L"#1", L"x"}},
        {"measure 1 \"\" x", {L"measure", L"1", L"", L"x"}},
        {R"(measure 1 "a \"b\" \\c" x)", {L"measure", L"1", LR"(a "b" \c)", L"x"}},
        {"# only a comment", {}},
        {"", {}},
        {"dump#comment right after", {L"dump"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitWords(c.line), c.words) << c.line;
    }
}

TEST(ScriptWords, RejectsLinesThatCannotBeSplit) {
    const char* bad[] = {
        "measure 1 \"open quote", "measure 1 \"closed\"glued",
        "measure 1 \xC3(",        // a UTF-8 lead byte without its continuation
        "measure 1 \xE3\x81",     // cut short
        "measure 1 \xC0\xAF",     // overlong '/'
        "measure 1 \xED\xA0\x80", // a surrogate
    };
    for (const char* line : bad) {
        EXPECT_THROW(SplitWords(line), ScriptError) << line;
    }
}

TEST(ScriptWords, RealsAreReadTheSameInEveryLocale) {
    const struct {
        const wchar_t* word;
        double value;
    } good[] = {{L"12.5", 12.5},     {L"-3", -3.0},      {L"+7.25", 7.25},    {L"1e3", 1000.0},
                {L"0.000001", 1e-6}, {L"inf", INFINITY}, {L"-inf", -INFINITY}};
    // A decimal-comma locale must not change what "12.5" means.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    for (const auto& c : good) {
        EXPECT_EQ(ParseReal(c.word), c.value) << c.word;
    }
    EXPECT_TRUE(std::isnan(ParseReal(L"nan")));
    for (const wchar_t* word : {L"", L"12,5", L"1.2.3", L"abc", L"12.5mm", L"--1", L" 1"}) {
        EXPECT_THROW(ParseReal(word), ScriptError) << word;
    }
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ScriptWords, IntegersHexRowsAndChoices) {
    EXPECT_EQ(ParseInteger(L"1234", 0, 65535), 1234);
    EXPECT_EQ(ParseInteger(L"-1", -1, 1), -1);
    EXPECT_THROW(ParseInteger(L"70000", 0, 65535), ScriptError);
    EXPECT_THROW(ParseInteger(L"12a", 0, 100), ScriptError);
    EXPECT_THROW(ParseInteger(L"1.0", 0, 100), ScriptError);

    EXPECT_EQ(ParseHex(L"F060"), 0xF060u);
    EXPECT_EQ(ParseHex(L"0xf180"), 0xF180u);
    EXPECT_THROW(ParseHex(L"G1"), ScriptError);
    EXPECT_THROW(ParseHex(L"0x"), ScriptError);

    EXPECT_EQ(ParseRowList(L"1,3"), (std::vector<int>{1, 3}));
    EXPECT_EQ(ParseRowList(L"2"), (std::vector<int>{2}));
    for (const wchar_t* word : {L"", L"0", L"1,,3", L"-1", L"1,", L"a"}) {
        EXPECT_THROW(ParseRowList(word), ScriptError) << word;
    }

    EXPECT_EQ(ParseChoice(L"dead", {L"none", L"dead", L"live"}), 1u);
    try {
        ParseChoice(L"alive", {L"none", L"dead", L"live"});
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "expected none|dead|live, got \"alive\"");
    }
}

} // namespace
