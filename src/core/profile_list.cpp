// The profile list's text form: "current ID" and one "profile ID PICTURE NAME" line a child.
#include "core/profile_list.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "core/i18n.h"

namespace {

std::string Trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r')) --b;
    return s.substr(a, b - a);
}

// A small decimal number and the rest of the line after it.
bool TakeNumber(std::string& rest, int lo, int hi, int& out) {
    size_t digits = 0;
    while (digits < rest.size() && digits < 3 && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
    if (digits == 0 || (digits < rest.size() && rest[digits] != ' ' && rest[digits] != '\t')) return false;
    const int value = std::atoi(rest.substr(0, digits).c_str());
    if (value < lo || value > hi) return false;
    out = value;
    rest = Trim(rest.substr(digits));
    return true;
}

bool ValidUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        uint32_t code = c;
        if (c < 0x80) extra = 0;
        else if ((c & 0xE0) == 0xC0) extra = 1, code = c & 0x1F;
        else if ((c & 0xF0) == 0xE0) extra = 2, code = c & 0x0F;
        else if ((c & 0xF8) == 0xF0) extra = 3, code = c & 0x07;
        else return false;
        if (extra > 0 && i + size_t(extra) >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            code = (code << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not text.
        const uint32_t least[4] = {0, 0x80, 0x800, 0x10000};
        if (code < least[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += size_t(extra) + 1;
    }
    return true;
}

}  // namespace

bool ProfileNameFits(const std::string& name) {
    if (name.size() > MaxProfileNameBytes || !ValidUtf8(name)) return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return false;
    return name == Trim(name);
}

bool ParseProfileList(const std::string& text, ProfileList& out, std::string& error) {
    if (text.size() > MaxProfileListBytes) {
        error = TrFormat("файл больше {bytes} байт", {{"bytes", std::to_string(MaxProfileListBytes)}});
        return false;
    }
    ProfileList list;
    bool currentGiven = false;
    std::istringstream lines(text);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        const std::string line = Trim(raw);
        auto fail = [&](const std::string& why) {
            error = TrFormat("строка {line}: {what}", {{"line", std::to_string(number)}, {"what", why}});
            return false;
        };
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("current", 0) == 0) {
            std::string rest = Trim(line.substr(7));
            int id = 0;
            if (currentGiven || !TakeNumber(rest, 1, MaxProfiles, id) || !rest.empty())
                return fail(Tr("после «current» нужен один номер ребёнка от 1 до 6, и только один раз"));
            list.current = id;
            currentGiven = true;
            continue;
        }
        if (line.rfind("profile", 0) != 0 || line.size() < 8 || (line[7] != ' ' && line[7] != '\t'))
            return fail(Tr("строка не начинается ни с «profile», ни с «current»"));
        std::string rest = Trim(line.substr(7));
        Profile p;
        if (!TakeNumber(rest, 1, MaxProfiles, p.id)) return fail(Tr("номер ребёнка не от 1 до 6"));
        if (!TakeNumber(rest, 1, AnimalPictureCount, p.picture)) return fail(Tr("номер картинки не от 1 до 12"));
        if (!ProfileNameFits(rest)) return fail(Tr("имя — не текст длиной до 40 байт"));
        p.name = rest;
        if (list.profiles.size() >= size_t(MaxProfiles)) return fail(Tr("детей больше шести"));
        if (FindProfile(list, p.id)) return fail(TrFormat("ребёнок {id} записан дважды", {{"id", std::to_string(p.id)}}));
        for (const Profile& other : list.profiles)
            if (other.picture == p.picture) return fail(Tr("у двух детей одна и та же картинка"));
        list.profiles.push_back(p);
    }
    if (list.profiles.empty()) {
        error = Tr("в списке нет ни одного ребёнка");
        return false;
    }
    if (!currentGiven) list.current = list.profiles.front().id;
    if (!FindProfile(list, list.current)) {
        error = TrFormat("текущего ребёнка {id} нет в списке", {{"id", std::to_string(list.current)}});
        return false;
    }
    out = list;
    return true;
}

std::string FormatProfileList(const ProfileList& list) {
    std::string text =
        "# The children who play, one line each: profile NUMBER PICTURE NAME\n"
        "# (number 1 to 6, also the folder profiles/NUMBER; picture 1 to 12; the name may be left out)\n";
    text += "current " + std::to_string(list.current) + "\n";
    for (const Profile& p : list.profiles) {
        text += "profile " + std::to_string(p.id) + " " + std::to_string(p.picture);
        if (!p.name.empty()) text += " " + p.name;
        text += "\n";
    }
    return text;
}

int FirstFreeProfileId(const ProfileList& list) {
    for (int id = 1; id <= MaxProfiles; ++id)
        if (!FindProfile(list, id)) return id;
    return 0;
}

int FirstFreePicture(const ProfileList& list) {
    for (int picture = 1; picture <= AnimalPictureCount; ++picture) {
        bool taken = false;
        for (const Profile& p : list.profiles) taken = taken || p.picture == picture;
        if (!taken) return picture;
    }
    return 0;
}

const Profile* FindProfile(const ProfileList& list, int id) {
    for (const Profile& p : list.profiles)
        if (p.id == id) return &p;
    return nullptr;
}
