// The monitor dialog's picture rules, as tables: names kept inside the pictures folder,
// and the decision taken on a chosen file before anything is copied.
#include <gtest/gtest.h>

#include "dialogs/PictureRules.h"

namespace {

TEST(PictureNames, OnlyAFileNameInThePicturesFolder) {
    const struct {
        const wchar_t* stored;
        const wchar_t* kept;
    } cases[] = {
        {L"1274607096_Desktop.ico", L"1274607096_Desktop.ico"},
        {L"", L""},
        {L"..\\..\\x.ico", L"x.ico"},
        {L"../../x.ico", L"x.ico"},
        {L"C:\\Windows\\x.ico", L"x.ico"},
        {L"C:x.ico", L"x.ico"},
        {L"\\\\server\\share\\x.ico", L"x.ico"},
        {L"..", L""},
        {L"a\\..", L""},
        {L". .", L""},
        {L"Pictures\\", L""},
        {L"NUL.ico", L""},
        {L"com1", L""},
        {L"x..ico", L"x..ico"},
        {L"my skin.ico", L"my skin.ico"},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureFileName(c.stored), c.kept) << c.stored;
}

TEST(PictureChoice, JudgedBeforeAnythingIsCopied) {
    const struct {
        bool ico, loaded;
        int width, height;
        bool inPictures;
        PictureChoice choice;
    } cases[] = {
        {true, true, 64, 64, false, PictureChoice::CopyAndTake},
        {true, true, 64, 64, true, PictureChoice::TakeInPlace},
        {true, true, 32, 64, false, PictureChoice::RefuseUnequalSize},  // a refused file is never copied
        {true, true, 32, 64, true, PictureChoice::RefuseUnequalSize},
        {true, false, 0, 0, false, PictureChoice::Refuse},             // not an icon inside
        {true, false, 0, 0, true, PictureChoice::Refuse},
        {false, true, 64, 64, false, PictureChoice::Refuse},           // not named .ico
        {false, false, 0, 0, false, PictureChoice::Refuse},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecidePictureChoice(c.ico, c.loaded, c.width, c.height, c.inPictures), c.choice)
            << c.ico << c.loaded << c.width << "x" << c.height << c.inPictures;
}

}  // namespace
