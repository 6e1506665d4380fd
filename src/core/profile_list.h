#pragma once
// The list of the children who play on this computer: plain data, its text form and the
// checks a list read from disk must pass before anything of it is used.
#include <string>
#include <vector>

constexpr int MaxProfiles = 6;
constexpr int AnimalPictureCount = 12;   // the animals of the chooser, pictures 1..12
constexpr size_t MaxProfileNameBytes = 40;
constexpr size_t MaxProfileListBytes = 4096;

struct Profile {
    int id = 0;        // 1..MaxProfiles, also the folder profiles/ID
    int picture = 0;   // 1..AnimalPictureCount
    std::string name;  // may be empty: the picture is what a child knows
};

struct ProfileList {
    std::vector<Profile> profiles;   // in the order the chooser shows them
    int current = 0;                 // the id of the child playing
};

// Reads the text of the list file. False with `error` ("line N: ...") when any line is bad:
// ids out of 1..6 or twice, pictures out of 1..12 or twice, more than six profiles, a name
// too long or not UTF-8 text, a current id that is not listed, or no profile at all.
// `out` is only written when the whole text is good. Never throws.
bool ParseProfileList(const std::string& text, ProfileList& out, std::string& error);
std::string FormatProfileList(const ProfileList& list);

// 0 when all are taken.
int FirstFreeProfileId(const ProfileList& list);
int FirstFreePicture(const ProfileList& list);
const Profile* FindProfile(const ProfileList& list, int id);
// A name a child's parent may type: UTF-8 text without control characters, within the limit.
bool ProfileNameFits(const std::string& name);
