// "Print Out Heading" (DialogHeader) without its window: the four header boxes, filled from
// "Header.sav" with placeholder words for empty fields, and saved by "OK".
#pragma once

#include "text/Operator.h"
#include "employee/CompanyHeader.h"

#include <array>
#include <filesystem>
#include <string>

namespace tallyrin {

class DialogHeaderScreen
{
public:
    static constexpr const char* kCaption = "Print Out Heading";
    // The boxes' texts as the window is designed, before anything is loaded.
    static constexpr std::array<const char*, 4> kDesignTexts{"Company", "Adress", "Zip Code", "ID Number"};
    // What an empty field becomes when the screen opens.
    static constexpr std::array<const char*, 4> kPlaceholders{"Company", "Address", "Zip Code", "ID Number"};

    DialogHeaderScreen(CompanyHeader& header, Operator& op);

    // Opening: LoadHeader, placeholders into empty fields, the fields into the boxes.
    void Form_Load(const std::filesystem::path& folder);
    // "OK": the boxes become the fields, then SaveHeader. False when the save failed (the operator
    // has been told); the screen then stays open so the typing is not lost.
    bool OKButton_Click(const std::filesystem::path& folder);
    // "Cancel" closes without saving; fields given placeholders keep them in memory.

    std::array<std::string, 4> txtHeader{kDesignTexts[0], kDesignTexts[1], kDesignTexts[2], kDesignTexts[3]};

private:
    CompanyHeader& m_header;
    Operator& m_op;
};

} // namespace tallyrin
