#pragma once

namespace harvex2::ui {

struct AppServices;
class SequentialDialog;

// "Save..." and "Load..." of the Add Sequential Files dialog: its fields to and from a
// named profile, through the two profile dialogs made after it at start-up.
class ProfileButtons {
public:
    ProfileButtons(AppServices& services, SequentialDialog& dialog)
        : services_(services), dialog_(dialog) {}

    void save();
    void load();

private:
    AppServices& services_;
    SequentialDialog& dialog_;
};

} // namespace harvex2::ui
