#pragma once

#include <string>

class QComboBox;
class QLineEdit;

namespace harvex2::ui {

// Edit boxes remember the bytes they were last shown from. Text the user leaves alone
// goes back as exactly those bytes, even where two byte strings look alike; edited text
// goes back in the form those bytes were shown in when every character has a byte there.
class ShownBytes {
public:
    static void show(QLineEdit& edit, const std::string& bytes);
    static std::string read(const QLineEdit& edit);

    // The edit text of a drop-down box.
    static void show(QComboBox& box, const std::string& bytes);
    static std::string read(const QComboBox& box);
    // A list entry remembers its bytes and hands them to the edit text when it is picked.
    static void addItem(QComboBox& box, const std::string& bytes);
    static std::string item(const QComboBox& box, int index);

private:
    static void followPicks(QComboBox& box);
    static void takeItem(QComboBox& box, int index);
};

} // namespace harvex2::ui
