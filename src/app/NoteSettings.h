#pragma once

namespace vesk {

class NoteCollection;
class SettingsData;

// Makes the settings' title and content fonts usable (one the system cannot
// make becomes the fallback font), hands them to the note windows as the
// fonts they share, and has every window take up the settings.
void ApplyNoteSettings(SettingsData& settings, NoteCollection& collection);

}  // namespace vesk
