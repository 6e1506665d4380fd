#pragma once
// Keeps g_settings in the settings file whenever the player changes one of them in play.

// Writes g_settings now. A file that cannot be written costs only the remembering: the
// message, which names the file, goes to stderr once per distinct reason.
void StoreSettings();
