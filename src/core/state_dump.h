#pragma once
// The game state as JSON, for scripted runs ("dump FILE" and "expect NAME VALUE").
// Values are stored under dotted paths ("g_drag.state"); each subsystem adds its own.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class StateDump {
public:
    void SetInt(const std::string& path, int64_t value);
    void SetString(const std::string& path, const std::string& value);
    // A ready JSON value (array or object text).
    void SetRaw(const std::string& path, const std::string& json);

    // Text of the value at path: numbers as digits, strings without quotes, raw JSON as given.
    bool Lookup(const std::string& path, std::string& out) const;
    std::string ToJson() const;
    // The values whose paths start with prefix, as one object (prefix removed from the names).
    std::string ToJsonUnder(const std::string& prefix) const;

private:
    struct Entry {
        std::string json;
        std::string plain;
    };
    std::vector<std::string> order_;
    std::map<std::string, Entry> values_;
};

// JSON helpers for sections that build arrays.
std::string JsonString(const std::string& s);
std::string JsonIntArray(const int32_t* values, int count);

// Every subsystem's part of the dump. Each is defined by its own subsystem.
void DumpShell(StateDump& dump);
void DumpBox1(StateDump& dump);
void DumpBox2(StateDump& dump);
void DumpHint(StateDump& dump);
void DumpSound(StateDump& dump);
void DumpStars(StateDump& dump);
void DumpMenus(StateDump& dump);
void DumpModel(StateDump& dump);

// The whole state, in that order.
StateDump BuildStateDump();
