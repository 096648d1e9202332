// "LOAD SETTINGS" and "SAVE SETTINGS": the job's three selections stored in and restored from a
// settings file.
#pragma once

#include <functional>

#include "ui/Platform.h"

// What a load does once a stored Mother or template is confirmed: the same loading the
// program's own commands do, handed in by whoever runs the load.
struct SettingsLoadSteps {
    // Loads the Mother that motherPath names and shows its duration.
    std::function<void(CommandContext&)> loadMother;
    // Takes the header and piece length of the template that likePath names; false when refused.
    std::function<bool(CommandContext&)> takeTemplateHeader;
};

// Picks and reads a settings file (a cancelled pick uses the text of the last load), shows its
// text, then offers the stored Mother, template and children's name, in that order, each in
// its own picker.
void loadSettings(CommandContext& ctx, const SettingsLoadSteps& steps);

// Picks a settings file and writes the three selections as they stand into its first 1024 bytes.
void saveSettings(CommandContext& ctx);
