#include "Fixtures.h"

#include <winsock2.h>

#include "model/GlobalSettings.h"

UINT FixturePort(const char* name) {
    char value[32] = {};
    std::string variable = std::string("NETFIX_") + name;
    DWORD n = GetEnvironmentVariableA(variable.c_str(), value, sizeof(value));
    if (n == 0 || n >= sizeof(value)) return 0;
    return static_cast<UINT>(strtoul(value, nullptr, 10));
}

namespace {
class CNetworkEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        WSADATA data;
        ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
        g_dwTimeOut = kTestTimeOut;
    }
    void TearDown() override { WSACleanup(); }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new CNetworkEnvironment);
}  // namespace
