// URL checks against the loopback HTTP responder and listeners.
#include <process.h>

#include <atomic>
#include <string>

#include "Fixtures.h"
#include "engine/NetCheck.h"
#include "framework/Handle.h"
#include "support/TempFiles.h"
#include "framework/StringUtil.h"
#include "model/GlobalSettings.h"

namespace {
const wchar_t kPhrase[] = L"orvalen-phrase";

std::string Url(const char* host, const char* fixture, const char* path) {
    return fw::FormatA("http://%s:%u%s", host, FixturePort(fixture), path);
}

std::string FileUrl(const std::wstring& path) {
    std::string url = "file:///" + fw::ToNarrow(path);
    for (char& c : url) c = c == '\\' ? '/' : c;
    return url;
}

// What a check does with the time an earlier cycle left.
enum class TimeRule {
    Measured,  // the load time of a page that was read
    Kept,      // nothing was read: the earlier time stays
};

constexpr DWORD kEarlierTime = 12345;

struct UrlCase {
    const char* name;
    std::string url;
    const wchar_t* phrase;
    int status;
    DWORD error;
    TimeRule time;
};

unsigned __stdcall SetFlagSoon(void* flag) {
    Sleep(100);
    static_cast<std::atomic<bool>*>(flag)->store(true);
    return 0;
}

// True once the fixture counts the streamed answer at `path` as cut short by the client
// (the check's fetch closed its connection), within the hang bound.
bool ConnectionClosedSoon(const std::string& path) {
    CNetCheck counter;
    for (DWORD waited = 0; waited < kHangBound; waited += 100) {
        if (counter.CheckUrl(Url("127.0.0.1", "HTTP4", ("/closed" + path).c_str()), L"closed=1") == MON_UP)
            return true;
        Sleep(100);
    }
    return false;
}

void ExpectCase(CNetCheck& check, const UrlCase& c) {
    check.m_dwTimeMs = kEarlierTime;
    check.m_dwError = 9;
    check.m_dwIpStatus = 9;
    DWORD start = NowMs();
    int status = check.CheckUrl(c.url, c.phrase);
    DWORD took = NowMs() - start;
    EXPECT_EQ(status, c.status) << c.name;
    EXPECT_EQ(check.m_dwError, c.error) << c.name;
    EXPECT_EQ(check.m_dwIpStatus, 0u) << c.name;
    EXPECT_LT(took, kHangBound) << c.name;
    if (c.time == TimeRule::Measured) {
        EXPECT_LE(check.m_dwTimeMs, took) << c.name;
    } else {
        EXPECT_EQ(check.m_dwTimeMs, kEarlierTime) << c.name;
    }
}
}  // namespace

TEST(CheckUrl, PagesAreSearchedForThePhraseAndFailuresMapped) {
    NEED_FIXTURE(http, "HTTP4");
    CTempFolder folder;
    ASSERT_TRUE(WriteBytes(folder.File(L"with.txt"), "a local orvalen-phrase"));
    ASSERT_TRUE(WriteBytes(folder.File(L"without.txt"), "a local page"));
    const UrlCase cases[] = {
        {"phrase", Url("127.0.0.1", "HTTP4", "/phrase"), kPhrase, MON_UP, 0, TimeRule::Measured},
        {"no phrase", Url("127.0.0.1", "HTTP4", "/nophrase"), kPhrase, MON_CLOSED, 0, TimeRule::Measured},
        {"404 with phrase", Url("127.0.0.1", "HTTP4", "/notfound"), kPhrase, MON_UP, 0, TimeRule::Measured},
        {"case matters", Url("127.0.0.1", "HTTP4", "/phrase"), L"ORVALEN-PHRASE", MON_CLOSED, 0, TimeRule::Measured},
        {"zero byte before phrase", Url("127.0.0.1", "HTTP4", "/zero"), kPhrase, MON_UP, 0, TimeRule::Measured},
        {"empty phrase, empty page", Url("127.0.0.1", "HTTP4", "/empty"), L"", MON_UP, 0, TimeRule::Measured},
        {"by name", Url("localhost", "HTTP4", "/phrase"), kPhrase, MON_UP, 0, TimeRule::Measured},
        {"bracketed IPv6", Url("[::1]", "HTTP6", "/phrase"), kPhrase, MON_UP, 0, TimeRule::Measured},
        {"refused", Url("127.0.0.1", "CLOSED4", "/"), kPhrase, MON_DOWN, 12029, TimeRule::Kept},
        {"refused IPv6", Url("[::1]", "CLOSED6", "/"), kPhrase, MON_DOWN, 12029, TimeRule::Kept},
        {"unresolvable", "http://no-such-host.invalid/", kPhrase, MON_ADDR_ERROR, 12007, TimeRule::Kept},
        {"not a URL to fetch", "http://127.0.0.1:99999/", kPhrase, MON_ADDR_ERROR, 12005, TimeRule::Kept},
        {"local file", FileUrl(folder.File(L"with.txt")), kPhrase, MON_UP, 0, TimeRule::Measured},
        {"local file, no phrase", FileUrl(folder.File(L"without.txt")), kPhrase, MON_CLOSED, 0, TimeRule::Measured},
        {"local file, other case", "FILE:///" + fw::ToNarrow(folder.File(L"with.txt")), kPhrase, MON_UP, 0,
         TimeRule::Measured},
        {"local file missing", FileUrl(folder.File(L"none.txt")), kPhrase, MON_ERROR, ERROR_FILE_NOT_FOUND,
         TimeRule::Kept},
        {"ftp page", fw::FormatA("ftp://127.0.0.1:%u/page.txt", FixturePort("FTP4")), kPhrase, MON_UP, 0,
         TimeRule::Measured},
        {"ftp page, no phrase", fw::FormatA("ftp://127.0.0.1:%u/nophrase.txt", FixturePort("FTP4")), kPhrase,
         MON_CLOSED, 0, TimeRule::Measured},
        {"ftp, nobody listening", fw::FormatA("ftp://127.0.0.1:%u/page.txt", FixturePort("CLOSED4")), kPhrase, MON_DOWN,
         12029, TimeRule::Kept},
        {"a scheme nothing opens", fw::FormatA("orvalen://127.0.0.1:%u/", http), kPhrase, MON_ADDR_ERROR, 12006,
         TimeRule::Kept},
        {"no scheme", "127.0.0.1", kPhrase, MON_ADDR_ERROR, 12006, TimeRule::Kept},
        {"no scheme, an IPv6 literal", "::1", kPhrase, MON_ADDR_ERROR, 12006, TimeRule::Kept},
    };
    CNetCheck check;
    for (const UrlCase& c : cases) ExpectCase(check, c);
}

// Each step of a fetch (connecting, sending, one read) ends within the time-out and
// 500 ms, also the connect that WinINet does not bound; the monitor's next check
// never waits for a fetch its last check left behind.
TEST(CheckUrl, EachStepEndsWithinItsTimeOut) {
    NEED_FIXTURE(http, "HTTP4");
    struct StallCase {
        const char* name;
        std::string url;
        int status;
        DWORD error;
        int otherStatus;  // what Wine reports instead, where it differs
        DWORD otherError;
        DWORD time;
    };
    const StallCase cases[] = {
        {"queue full", Url("127.0.0.1", "FULL4", "/"), MON_DOWN, 12002, MON_DOWN, 12002, kEarlierTime},
        {"queue full IPv6", Url("[::1]", "FULL6", "/"), MON_DOWN, 12002, MON_DOWN, 12002, kEarlierTime},
        {"silent", Url("127.0.0.1", "SILENT4", "/"), MON_DOWN, 12002, MON_ERROR, 12030, kEarlierTime},
        {"silent IPv6", Url("[::1]", "SILENT6", "/"), MON_DOWN, 12002, MON_ERROR, 12030, kEarlierTime},
        {"stall after the headers", Url("127.0.0.1", "HTTP4", "/stall"), MON_DOWN, 12002, MON_DOWN, 10060, kNoTime},
        {"stall within the headers", Url("127.0.0.1", "HTTP4", "/headerstall"), MON_DOWN, 12002, MON_DOWN, 12002,
         kEarlierTime},
    };
    for (const StallCase& c : cases) {
        CNetCheck check;
        check.m_dwTimeMs = kEarlierTime;
        DWORD start = NowMs();
        int status = check.CheckUrl(c.url, kPhrase);
        EXPECT_LE(NowMs() - start, kStepBound) << c.name;
        EXPECT_TRUE((status == c.status && check.m_dwError == c.error) ||
                    (status == c.otherStatus && check.m_dwError == c.otherError))
            << c.name << ": status " << status << ", error " << check.m_dwError;
        EXPECT_EQ(check.m_dwTimeMs, c.time) << c.name;
        start = NowMs();
        EXPECT_EQ(check.CheckUrl(Url("127.0.0.1", "HTTP4", "/phrase"), kPhrase), MON_UP) << c.name;
        EXPECT_LT(NowMs() - start, kTestTimeOut) << c.name;
    }
}

// A page that keeps arriving, headers or body, is read to its end however long it takes;
// only an endless trickle meets the overall limit, and its abandoned fetch closes its
// connection.
TEST(CheckUrl, PagesThatKeepArrivingAreReadToTheirEnd) {
    NEED_FIXTURE(http, "HTTP4");
    CNetCheck check;
    for (const char* path : {"/pauses", "/headertrickle"}) {
        DWORD start = NowMs();
        EXPECT_EQ(check.CheckUrl(Url("127.0.0.1", "HTTP4", path), kPhrase), MON_UP) << path;
        EXPECT_GT(NowMs() - start, kTestTimeOut + 500) << path;
        EXPECT_EQ(check.m_dwError, 0u) << path;
    }

    // Pages that never end, in the body or inside the headers: the check gives up at the
    // overall limit, and the fetch it gives up ends at once, closing its connection.
    check.m_dwUrlOverallLimitMs = 1500;
    for (const char* path : {"/trickle?cut", "/endlessheaders?cut"}) {
        DWORD start = NowMs();
        EXPECT_EQ(check.CheckUrl(Url("127.0.0.1", "HTTP4", path), kPhrase), MON_DOWN) << path;
        EXPECT_EQ(check.m_dwError, 12002u) << path;
        EXPECT_LE(NowMs() - start, check.m_dwUrlOverallLimitMs + 500) << path;
        EXPECT_TRUE(ConnectionClosedSoon(path)) << path << ": the abandoned fetch kept its connection";
    }
}

// Whatever the time-out, no check is cut short of it, and none leaves its fetch behind
// for longer than its bound: 0 (no limit at all to WinINet) ends within the grace, and
// a time-out longer than the overall limit waits for a page slower than that limit.
TEST(CheckUrl, TimeOutsAreHonouredAtBothEnds) {
    NEED_FIXTURE(http, "HTTP4");
    CNetCheck check;
    g_dwTimeOut = 0;
    DWORD start = NowMs();
    check.CheckUrl(Url("127.0.0.1", "HTTP4", "/waitclose?zero"), kPhrase);  // Down or an error, as WinINet says
    EXPECT_LE(NowMs() - start, 500u + 100u);
    EXPECT_TRUE(ConnectionClosedSoon("/waitclose?zero")) << "a fetch with time-out 0 stayed";
    g_dwTimeOut = 3 * kTestTimeOut;
    check.m_dwUrlOverallLimitMs = 500;  // standing in for the 60 s, shorter than the time-out
    EXPECT_EQ(check.CheckUrl(Url("127.0.0.1", "HTTP4", "/after?1.5"), kPhrase), MON_UP);
    EXPECT_EQ(check.m_dwError, 0u);
    g_dwTimeOut = kTestTimeOut;
}

// A time-out loaded as 4294967295 (the file said -1) is the longest wait, not one that
// wrapped round to a few hundred milliseconds.
TEST(CheckUrl, LargestTimeOutWaitsForALatePage) {
    NEED_FIXTURE(http, "HTTP4");
    g_dwTimeOut = MAXDWORD;
    CNetCheck check;
    EXPECT_EQ(check.CheckUrl(Url("127.0.0.1", "HTTP4", "/late"), kPhrase), MON_UP);
    EXPECT_EQ(check.m_dwError, 0u);
    EXPECT_GE(check.m_dwTimeMs, 900u);
    g_dwTimeOut = kTestTimeOut;
}

TEST(CheckUrl, EndlessPageIsReadUpToTheCap) {
    NEED_FIXTURE(http, "HTTP4");
    CNetCheck check;
    // The phrase opens a page that never ends: found in what is read.
    EXPECT_EQ(check.CheckUrl(Url("127.0.0.1", "HTTP4", "/endless"), kPhrase), MON_UP);
    EXPECT_EQ(check.m_dwError, 0u);
    // Behind many megabytes it is never reached.
    EXPECT_EQ(check.CheckUrl(Url("127.0.0.1", "HTTP4", "/beyondcap"), kPhrase), MON_CLOSED);
    EXPECT_EQ(check.m_dwError, 0u);
}

// A stop ends the wait at once; the fetches stops leave behind, each within its time-out,
// never cost the monitor its next check, however many there are.
TEST(CheckUrl, StopRequestEndsTheWaitForAStalledFetch) {
    NEED_FIXTURE(full, "FULL4");
    std::atomic<bool> stop{false};
    CNetCheck check;
    check.SetStopFlag(&stop);
    for (const char* fixture : {"FULL4", "SILENT4", "SILENT4", "SILENT4", "SILENT4"}) {
        stop = false;
        fw::CHandle setter = fw::AdoptThreadHandle(_beginthreadex(nullptr, 0, &SetFlagSoon, &stop, 0, nullptr));
        ASSERT_TRUE(setter.Valid());
        DWORD start = NowMs();
        check.CheckUrl(Url("127.0.0.1", fixture, "/"), kPhrase);
        EXPECT_LT(NowMs() - start, kTestTimeOut) << fixture;
        WaitForSingleObject(setter, INFINITE);
    }
    check.SetStopFlag(nullptr);
    EXPECT_EQ(check.CheckUrl(Url("127.0.0.1", "HTTP4", "/phrase"), kPhrase), MON_UP);
}
