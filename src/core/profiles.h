#pragma once
// The children's profiles: the list in the user folder, making, choosing and removing
// profiles, and re-rooting the user folder so that each child's boards, position files,
// overview and own settings live in profiles/ID/ with the same names inside.
#include <string>

#include "core/profile_list.h"

constexpr const char* kProfileListFile = "profiles.txt";
// Where a removed profile's folder goes (as ID-DATE-TIME), never deleted by the game.
constexpr const char* kRemovedProfilesFolder = "removed-profiles";

extern ProfileList g_profiles;

// At start, once the user folder is set: finishes or makes the move of old progress into
// the first profile, reads the list (a damaged one is kept aside and the list is made again
// from the profile folders there, so no child's progress is lost), then chooses `requested`
// (1..6, made with the first free picture when missing) or else the list's current child.
// Returns "" or the message for the player, naming the file. Never throws.
std::string StartProfiles(int requested);
// Back to no profiles and the user folder itself (the test driver's fresh program).
void EndProfiles();
// False while no user folder is set or the old progress could not be moved: the game then
// plays in the user folder itself, as before profiles.
bool ProfilesActive();
// True once after StartProfiles when "Who is playing?" should follow the intro: more than
// one child and none chosen on the command line.
bool TakeChooserPending();

const Profile* CurrentProfile();
// Makes a profile with the first free number and picture and writes the list; 0 with a
// message when six are there or the list cannot be written.
int AddProfile(std::string& message);
// The child `id` plays from now on: the game state is reset, the user folder re-rooted and
// the child's settings read; the list remembers the choice. Returns "" or a message.
std::string SelectProfile(int id);
// Moves the profile's folder to removed-profiles/ID-DATE-TIME and takes it off the list; the
// last profile stays. When it was the current one, the first remaining child plays on.
bool RemoveProfile(int id, std::string& message);
// Writes g_childSettings into the current profile's child.ini. Returns "" or a message.
std::string StoreChildSettings();
