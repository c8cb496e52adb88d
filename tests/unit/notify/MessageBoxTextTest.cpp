#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "engine/MessageBoxText.h"
#include "model/MonitorRecord.h"
#include "TestTime.h"

namespace {

SYSTEMTIME SampleTime() { return MakeTime(2026, 12, 5, 9, 30, 0); }

std::unique_ptr<CMonitorRecord> Monitor(int status, UINT method) {
    auto record = std::make_unique<CMonitorRecord>();
    CMonitorRecord& r = *record;
    r.m_nStatus = status;
    r.CheckMethod = method;
    r.Name = L"Web 1";
    r.IPorURLAddress = method == METHOD_URL ? L"http://[::1]:8080/x" : L"192.168.1.20";
    r.m_strUrlHost = L"::1";
    r.m_nUrlPort = 8080;
    r.Port = 443;
    r.MsgBoxDesc = L"%name is %status";
    return record;
}

struct TextCase {
    int status;
    UINT method;
    const wchar_t* text;
};

TEST(MessageBoxText, FourteenTexts) {
    const TextCase cases[] = {
        {MON_UP, METHOD_PING,
         L"Description: Web 1 is Up\nStatus: Up\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: Ping\n"
         L"IP: 192.168.1.20\r\n"},
        {MON_DOWN, METHOD_PING,
         L"Description: Web 1 is Down\nStatus: Down\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: Ping\n"
         L"IP: 192.168.1.20\r\n"},
        {MON_ERROR, METHOD_PING,
         L"Description: Web 1 is ERROR\nStatus: ERROR\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: Ping\n"
         L"IP: 192.168.1.20\r\n"},
        {MON_ADDR_ERROR, METHOD_PING,
         L"Description: Web 1 is IP ERROR\nStatus: IP ERROR\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\n"
         L"Method: Ping\nIP: 192.168.1.20\r\n"},
        {MON_UP, METHOD_TCP,
         L"Description: Web 1 is Open\nStatus: Open\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: TCP\n"
         L"IP: 192.168.1.20\nPort: 443\r\n"},
        {MON_CLOSED, METHOD_TCP,
         L"Description: Web 1 is Closed\nStatus: Closed\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: TCP\n"
         L"IP: 192.168.1.20\nPort: 443\r\n"},
        {MON_DOWN, METHOD_TCP,
         L"Description: Web 1 is Down\nStatus: Down\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: TCP\n"
         L"IP: 192.168.1.20\nPort: 443\r\n"},
        {MON_ERROR, METHOD_TCP,
         L"Description: Web 1 is ERROR\nStatus: ERROR\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: TCP\n"
         L"IP: 192.168.1.20\nPort: 443\r\n"},
        {MON_ADDR_ERROR, METHOD_TCP,
         L"Description: Web 1 is IP ERROR\nStatus: IP ERROR\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\n"
         L"Method: TCP\nIP: 192.168.1.20\nPort: 443\r\n"},
        {MON_UP, METHOD_URL,
         L"Description: Web 1 is Up\nStatus: Up\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: URL\n"
         L"URL: http://[::1]:8080/x\r\n"},
        {MON_DOWN, METHOD_URL,
         L"Description: Web 1 is Down\nStatus: Down\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: URL\n"
         L"URL: http://[::1]:8080/x\r\n"},
        {MON_ERROR, METHOD_URL,
         L"Description: Web 1 is ERROR\nStatus: ERROR\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\nMethod: URL\n"
         L"URL: http://[::1]:8080/x\r\n"},
        {MON_ADDR_ERROR, METHOD_URL,
         L"Description: Web 1 is URL ERROR\nStatus: URL ERROR\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\n"
         L"Method: URL\nURL: http://[::1]:8080/x\r\n"},
        {MON_CLOSED, METHOD_URL,
         L"Description: Web 1 is S.n.F.\nStatus: S.n.F.\nDate: 12/05/26\nTime: 09:30:00\nName: Web 1\n"
         L"Method: URL\nURL: http://[::1]:8080/x\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageBoxText(*Monitor(c.status, c.method), SampleTime()), c.text) << c.status << "/" << c.method;
}

TEST(MessageBoxText, PairsWithoutTextGiveAnEmptyBox) {
    for (UINT method : std::initializer_list<UINT>{METHOD_PING, METHOD_TCP, METHOD_URL})
        for (int status : std::initializer_list<int>{0, 3, MON_CHECKING, 8, MON_DISABLED, MON_VOLUME_TEST})
            EXPECT_EQ(MessageBoxText(*Monitor(status, method), SampleTime()), L"") << status << "/" << method;
    EXPECT_EQ(MessageBoxText(*Monitor(MON_CLOSED, METHOD_PING), SampleTime()), L"");
    for (int status : std::initializer_list<int>{MON_UP, MON_DOWN, MON_ERROR, MON_ADDR_ERROR, MON_CLOSED})
        EXPECT_EQ(MessageBoxText(*Monitor(status, 0), SampleTime()), L"") << status;
}

TEST(MessageBoxText, DescriptionIsExpandedNameFirst) {
    auto record = Monitor(MON_CLOSED, METHOD_TCP);
    CMonitorRecord& r = *record;
    r.Name = L"is %status";
    r.MsgBoxDesc = L"[%name] %ip";
    const std::wstring text = MessageBoxText(r, SampleTime());
    EXPECT_EQ(text.substr(0, text.find(L'\n')), L"Description: [is Closed] %ip");
    EXPECT_NE(text.find(L"\nName: is %status\n"), std::wstring::npos);
}

}  // namespace
