// The event stream is read by programs: every line must be one valid JSON object in UTF-8, whatever
// the texts of the dialog hold.
#include "script/JsonWriter.h"

#include <gtest/gtest.h>

#include <cmath>

using host::script::FromUtf8;
using host::script::JsonWriter;
using host::script::ToUtf8;

namespace {

TEST(JsonWriter, EscapesWhatJsonCannotHoldRaw) {
    const struct {
        std::wstring text;
        std::string json;
    } cases[] = {
        {L"plain", "\"plain\""},
        {L"say \"hi\"", R"("say \"hi\"")"},
        {L"back\\slash", R"("back\\slash")"},
        {L"1\\n2\\n", R"("1\\n2\\n")"}, // the summary's separator is two characters, not a line feed
        {L"a\tb\r\n", R"("a\tb\r\n")"},
        {std::wstring(L"\x01\x1f\x7f"), R"("\u0001\u001f\u007f")"},
        {L"累計 12 mm", "\"\xE7\xB4\xAF\xE8\xA8\x88 12 mm\""},
        {L"\U0001F600", "\"\xF0\x9F\x98\x80\""},
        {std::wstring(1, static_cast<wchar_t>(0xD800)), "\"\xEF\xBF\xBD\""}, // lone surrogate
    };
    for (const auto& c : cases) {
        JsonWriter json;
        json.value(c.text);
        EXPECT_EQ(json.text(), c.json);
    }
}

TEST(JsonWriter, NestsObjectsAndArraysWithCommasInPlace) {
    JsonWriter json;
    json.beginObject().field("event", "dump").key("rows").beginArray();
    json.beginObject().field("no", L"1").field("selected", true).endObject();
    json.beginObject().field("no", L"2").field("selected", false).endObject();
    json.endArray().key("empty").beginArray().endArray().key("combos").beginObject().field("first", 1);
    json.field("second", -1).endObject().key("none").null().field("n", 3.5).field("bad", NAN);
    json.field("big", 0.1).endObject();
    EXPECT_TRUE(json.complete());
    EXPECT_EQ(json.text(),
              R"({"event":"dump","rows":[{"no":"1","selected":true},{"no":"2","selected":false}],)"
              R"("empty":[],"combos":{"first":1,"second":-1},"none":null,"n":3.5,"bad":null,"big":0.1})");
}

TEST(JsonWriter, Utf8RoundTripsAndRejectsMalformedInput) {
    const std::wstring text = L"スケール 1/100 ±\U0001F600";
    std::wstring back;
    ASSERT_TRUE(FromUtf8(ToUtf8(text), back));
    EXPECT_EQ(back, text);
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE3\x81", "\xF4\x90\x80\x80", "\x80", "\xFF"}) {
        EXPECT_FALSE(FromUtf8(bad, back)) << bad;
    }
}

} // namespace
