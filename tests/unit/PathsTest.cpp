#include "files/Paths.h"

#include <gtest/gtest.h>

#include <string>

namespace vostrel::files {
namespace {

#ifndef _WIN32
// A name read from the system must come back byte for byte when it is used again, and must
// show as valid text; only a name that is valid UTF-8 may be written into a text file.
TEST(Paths, NamesKeepTheirBytesAndShowAsValidText) {
    struct Case {
        std::string bytes;
        std::string shown;
        bool exact;
    };
    const Case cases[] = {
        {"/home/anna/Menüs/Wendax.mnu", "/home/anna/Menüs/Wendax.mnu", true},
        {"/tmp/caf\xE9/x.mnu", "/tmp/caf\xEF\xBF\xBD/x.mnu", false},                // Latin-1 byte
        {"/tmp/\xC3(/x", "/tmp/\xEF\xBF\xBD(/x", false},                            // cut sequence
        {"/tmp/\xED\xA0\x80", "/tmp/\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", false},  // surrogate
        {"", "", true},
    };
    for (const auto& c : cases) {
        const auto path = pathFromUtf8(c.bytes);
        EXPECT_EQ(path.native(), c.bytes);
        EXPECT_EQ(pathToText(path), c.shown);
        EXPECT_EQ(pathToExactText(path).has_value(), c.exact) << c.shown;
    }
}
#else
// A Windows name is UTF-16: UTF-8 text becomes that name and comes back exactly; a lone
// surrogate, which no text can hold, shows as U+FFFD and is no exact text.
TEST(Paths, NamesAreUtf16AndShowAsValidText) {
    struct Case {
        std::wstring name;
        std::string shown;
        bool exact;
    };
    const Case cases[] = {
        {L"C:\\Users\\J\u00FCrgen\\Men\u00FCs \u0159\\Wendax.mnu",
         "C:\\Users\\J\xC3\xBCrgen\\Men\xC3\xBCs \xC5\x99\\Wendax.mnu", true},
        {L"D:\\\U0001F5FA.mnu", "D:\\\xF0\x9F\x97\xBA.mnu", true},
        {L"D:\\a\xD800.mnu", "D:\\a\xEF\xBF\xBD.mnu", false},
    };
    for (const auto& c : cases) {
        const std::filesystem::path path(c.name);
        EXPECT_EQ(pathToText(path), c.shown);
        EXPECT_EQ(pathToExactText(path).has_value(), c.exact) << c.shown;
        if (c.exact) {
            EXPECT_EQ(pathFromUtf8(c.shown).native(), c.name) << c.shown;
        }
    }
}
#endif

// The tail of a name counts characters, a stray byte as one, and joins back to the whole.
TEST(Paths, TailsAndJoinsWorkOnCharactersAndKeepBytes) {
    const auto whole = pathFromUtf8("/m\xE9n\xC3\xBC/a.mnu");
    EXPECT_EQ(nameLength(whole), 11U);
    const auto tail = nameTail(whole, 6);
    EXPECT_EQ(pathToText(tail), "/a.mnu");
    EXPECT_EQ(joinNames(pathFromUtf8("/m\xE9n\xC3\xBC"), tail), whole);
    EXPECT_EQ(nameTail(whole, 50), whole);
}

}  // namespace
}  // namespace vostrel::files
