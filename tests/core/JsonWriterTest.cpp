#include "output/JsonWriter.h"

#include <gtest/gtest.h>

namespace orrimar {
namespace {

using json = nlohmann::ordered_json;
using Layout = JsonWriter::Layout;

// Written member by member, a document comes out as nlohmann dumps the same
// value, in every layout: every Latin-1 byte (controls, DEL, the upper half),
// empty and nested containers, and a value handed over whole at depth.
TEST(JsonWriter, WritesTheBytesOfADump) {
    std::string latin1;
    for (int b = 1; b < 256; ++b) latin1 += static_cast<char>(b);
    std::string utf8;
    for (const char c : latin1) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (b >> 6));
            utf8 += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    const json inner = {{"k", json::array({1, json::object(), "caf\xC3\xA9"})},
                        {"e", json::array()}};
    const json expected = {{"text", utf8},
                           {"caption", "caf\xC3\xA9"},
                           {"empty", json::object()},
                           {"list", {-7, true, nullptr, 18446744073709551615ull, json::array()}},
                           {"whole", inner}};
    const struct {
        Layout layout;
        std::string dump;
    } rows[] = {{Layout::Indented, expected.dump(2)},
                {Layout::Line, expected.dump()},
                {Layout::AsciiLine, expected.dump(-1, ' ', true)}};
    for (const auto& row : rows) {
        std::string out;
        JsonWriter w(out, row.layout);
        w.BeginObject();
        w.Key("text").Latin1(latin1);
        w.Key("caption").Utf8("caf\xC3\xA9");
        w.Key("empty").BeginObject();
        w.EndObject();
        w.Key("list").BeginArray();
        w.Int(-7);
        w.Bool(true);
        w.Null();
        w.Unsigned(18446744073709551615ull);
        w.BeginArray();
        w.EndArray();
        w.EndArray();
        w.Key("whole").Value(inner);
        w.EndObject();
        EXPECT_EQ(out, row.dump) << static_cast<int>(row.layout);
    }
}

}  // namespace
}  // namespace orrimar
