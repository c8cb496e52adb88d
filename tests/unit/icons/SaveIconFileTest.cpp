// The .ico files SaveIconFile writes, read back by the platform's own loader, and what
// is left at the path when it refuses.
#include <gtest/gtest.h>

#include "IconTestSupport.h"
#include "framework/GdiHandles.h"
#include "model/IconFile.h"
#include "support/TempFiles.h"

using namespace icontest;

TEST(SaveIconFile, EveryImageLoadsBackWithItsPixelsAndMask) {
    // 16 and 48 (mask rows padded) in one file, 256 (entered as 0) in one of its own (Wine's
    // loader takes a 0 entry only when there is no other), each with a red top row and a
    // transparent bottom-right pixel, so that row order shows.
    CTempFolder folder;
    for (const std::vector<int>& sizes : {std::vector<int>{16, 48}, std::vector<int>{256}}) {
        std::vector<fw::CIcon> icons;
        std::vector<HICON> handles;
        for (int size : sizes) {
            std::vector<uint32_t> pixels(size * size);
            for (int i = 0; i < size * size; ++i)
                pixels[i] = i < size ? 0xFFFF0000u : 0xFF000000u | uint32_t(i * 0x010203u);
            std::vector<bool> mask(size * size, false);
            mask[size * size - 1] = true;
            pixels[size * size - 1] = 0;
            icons.emplace_back(MakeColorIcon(size, size, pixels, mask));
            handles.push_back(icons.back());
        }
        const std::wstring path = folder.File(std::to_wstring(sizes[0]) + L".ico");
        ASSERT_TRUE(SaveIconFile(path.c_str(), handles.data(), int(handles.size())));
        for (size_t n = 0; n < handles.size(); ++n) {
            const int size = sizes[n];
            fw::CIcon loaded(
                static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
            ASSERT_TRUE(loaded.Valid()) << size;
            int w = 0, h = 0, ow = 0, oh = 0;
            const std::vector<uint32_t> back = ReadColorPixels(loaded, w, h);
            const std::vector<uint32_t> original = ReadColorPixels(handles[n], ow, oh);
            ASSERT_EQ(w * h, size * size);
            size_t differing = 0;
            for (size_t i = 0; i < back.size(); ++i) differing += (back[i] & 0xFFFFFF) != (original[i] & 0xFFFFFF);
            EXPECT_EQ(differing, 0u) << size;
            // The mask came along: the transparent pixel draws nothing on white.
            fw::CClientDC screen(nullptr);
            fw::CMemoryDC dc(screen);
            fw::CBitmap canvas(CreateCompatibleBitmap(screen, size, size));
            fw::CSelectObject selected(dc, canvas);
            PatBlt(dc, 0, 0, size, size, WHITENESS);
            DrawIconEx(dc, 0, 0, loaded, size, size, 0, nullptr, DI_NORMAL);
            EXPECT_EQ(GetPixel(dc, size - 1, size - 1), RGB(255, 255, 255)) << size;
            EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0)) << size;
        }
    }
}

TEST(SaveIconFile, ReplacesAFileOrRefusesAndLeavesWhatWasThere) {
    fw::CIcon colour(MakeColorIcon(16, 16)), mono(MakeMonochromeIcon(32, 32)), gone(MakeColorIcon(16, 16));
    const HICON goneHandle = gone.Get();
    gone.Reset();  // destroyed on purpose: its handle is now one the program must refuse
    const HICON good[] = {colour}, withMono[] = {colour, mono}, withGone[] = {colour, goneHandle};
    struct Case {
        const char* what;
        const HICON* icons;
        int count;
    };
    const Case refused[] = {{"no array", nullptr, 1},           {"no icons", good, 0},
                            {"negative count", good, -1},       {"a monochrome icon", withMono, 2},
                            {"a destroyed icon", withGone, 2}};
    CTempFolder folder;
    const std::wstring fresh = folder.File(L"fresh.ico"), kept = folder.File(L"kept.ico");
    ASSERT_TRUE(WriteBytes(kept, std::string(10000, '\xAB')));
    ASSERT_TRUE(SaveIconFile(kept.c_str(), good, 1));  // the junk is replaced whole
    const std::string before = ReadBytes(kept);
    EXPECT_LT(before.size(), 10000u);
    for (const Case& c : refused) {
        EXPECT_FALSE(SaveIconFile(fresh.c_str(), c.icons, c.count)) << c.what;
        EXPECT_FALSE(SaveIconFile(kept.c_str(), c.icons, c.count)) << c.what;
        EXPECT_FALSE(FileExists(fresh)) << c.what;
        EXPECT_EQ(ReadBytes(kept), before) << c.what;
    }
    EXPECT_FALSE(SaveIconFile(folder.File(L"no_such_folder\\x.ico").c_str(), good, 1));
    EXPECT_FALSE(SaveIconFile(nullptr, good, 1));
    // Nothing but the files is left in the folder.
    WIN32_FIND_DATAW found;
    int files = 0;
    const fw::CFileSearch search = fw::StartFileSearch(folder.File(L"*.*"), found);
    for (BOOL more = search.Valid(); more; more = FindNextFileW(search, &found))
        files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(files, 1);
}
