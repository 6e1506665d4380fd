#pragma once
// A compiled message catalogue (GNU ".mo"), read by the game itself: glibc's gettext only honours
// a language whose locale is generated, and a fresh system has none but C.UTF-8.
#include <memory>
#include <string>
#include <unordered_map>

#include "core/plural_forms.h"

struct MoCatalogue {
    // Key: "context\x04msgid" or "msgid" (for plural entries the singular). Value: the
    // translation; for plural entries the forms joined by NUL characters.
    std::unordered_map<std::string, std::string> entries;
    PluralRule plural;   // from the header's Plural-Forms; the Russian rule when absent
};

// Parses the bytes of a ".mo" file. Every offset and length is checked against the data before
// anything is stored; on bad data returns nullptr and `what` says why (a phrase without the file name).
std::unique_ptr<MoCatalogue> ParseMoCatalogue(const std::string& bytes, std::string& what);

// The translation of key, or nullptr.
const std::string* FindEntry(const MoCatalogue& catalogue, const std::string& key);
