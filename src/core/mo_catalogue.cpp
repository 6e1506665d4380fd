// Reader of compiled message catalogues. The file is a header, two tables of (length, offset)
// pairs for the originals and the translations, and the NUL-terminated strings they point at;
// each pair is checked to lie inside the file before its string is taken.
#include "core/mo_catalogue.h"

#include <cstdint>

#include "core/i18n.h"

namespace {

constexpr uint32_t kMagic = 0x950412de;
constexpr uint32_t kSwappedMagic = 0xde120495;
// Far above any catalogue of ours; keeps a damaged count from reserving the machine's memory.
constexpr uint32_t kMaxEntries = 100000;

struct Reader {
    const std::string& bytes;
    bool swapped = false;

    bool Word(uint64_t offset, uint32_t& out) const {
        if (offset + 4 > bytes.size()) return false;
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const uint32_t byte = static_cast<unsigned char>(bytes[offset + i]);
            v |= swapped ? byte << (8 * (3 - i)) : byte << (8 * i);
        }
        out = v;
        return true;
    }
    // The string of table entry `index`: its length and offset, then a NUL right after it.
    bool String(uint32_t table, uint32_t index, std::string& out) const {
        uint32_t length = 0, offset = 0;
        const uint64_t at = static_cast<uint64_t>(table) + 8ull * index;
        if (!Word(at, length) || !Word(at + 4, offset)) return false;
        if (static_cast<uint64_t>(offset) + length >= bytes.size() || bytes[offset + length] != '\0') return false;
        out.assign(bytes, offset, length);
        return true;
    }
};

// The value of "Name: value" in the catalogue header, or "".
std::string HeaderField(const std::string& header, const std::string& name) {
    size_t at = 0;
    while (at < header.size()) {
        const size_t end = header.find('\n', at);
        const std::string line = header.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (line.compare(0, name.size() + 1, name + ":") == 0) return line.substr(name.size() + 1);
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return "";
}

}  // namespace

std::unique_ptr<MoCatalogue> ParseMoCatalogue(const std::string& bytes, std::string& what) {
    Reader reader{bytes};
    uint32_t magic = 0, revision = 0, count = 0, originals = 0, translations = 0;
    if (!reader.Word(0, magic) || (magic != kMagic && magic != kSwappedMagic)) {
        what = Tr("это не скомпилированный каталог сообщений");
        return nullptr;
    }
    reader.swapped = magic == kSwappedMagic;
    if (!reader.Word(4, revision) || !reader.Word(8, count) || !reader.Word(12, originals) ||
        !reader.Word(16, translations)) {
        what = Tr("заголовок файла обрезан");
        return nullptr;
    }
    if (revision >> 16 > 1) {
        what = Tr("версия формата файла неизвестна");
        return nullptr;
    }
    if (count > kMaxEntries || static_cast<uint64_t>(originals) + 8ull * count > bytes.size() ||
        static_cast<uint64_t>(translations) + 8ull * count > bytes.size()) {
        what = Tr("таблицы выходят за конец файла");
        return nullptr;
    }
    auto catalogue = std::make_unique<MoCatalogue>();
    for (uint32_t i = 0; i < count; ++i) {
        std::string original, translation;
        if (!reader.String(originals, i, original) || !reader.String(translations, i, translation)) {
            what = TrFormat("запись {number} выходит за пределы файла", {{"number", std::to_string(i + 1)}});
            return nullptr;
        }
        if (original.empty()) {
            const std::string rule = HeaderField(translation, "Plural-Forms");
            if (!rule.empty() && !ParsePluralForms(rule, catalogue->plural, what)) return nullptr;
            continue;
        }
        // A plural entry's original is "singular\0plural"; it is looked up by the singular.
        const size_t nul = original.find('\0');
        if (nul != std::string::npos) original.resize(nul);
        if (translation.empty()) continue;   // untranslated: the msgid shows, as with gettext
        catalogue->entries[original] = std::move(translation);
    }
    return catalogue;
}

const std::string* FindEntry(const MoCatalogue& catalogue, const std::string& key) {
    const auto found = catalogue.entries.find(key);
    return found == catalogue.entries.end() ? nullptr : &found->second;
}
