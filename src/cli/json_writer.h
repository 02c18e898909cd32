#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvero {

// A small streaming JSON writer: numbers in their shortest round-trip form, non-finite numbers as
// null, texts as UTF-8 (bytes that are not UTF-8 are taken as Latin-1 characters, so any label
// from a file gives valid JSON). Commas are placed by the writer.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : Out(out) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& Number(double value);
    JsonWriter& Integer(int64_t value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    JsonWriter& String(std::string_view text);

private:
    void Separate();
    std::string& Out;
    bool NeedComma = false;
};

} // namespace kalvero
