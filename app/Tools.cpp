#include "app/Tools.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <objbase.h>
#include <shellapi.h>

#include <memory>

#include "app/ModalBusy.h"
#include "framework/AppMessage.h"
#include "framework/ComPtr.h"
#include "framework/Resolver.h"
#include "framework/StringUtil.h"
#include "framework/Thread.h"
#include "framework/TimeText.h"
#include "resource.h"

namespace {

void ShellOpen(const std::wstring& file, const std::wstring& parameters) {
    ShellExecuteW(GetDesktopWindow(), L"open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                  nullptr, SW_SHOWNORMAL);
}

// The shell may hand an address to COM-based handlers: workers initialise COM first.
void ShellOpenOnWorker(const std::wstring& file, const std::wstring& parameters) {
    fw::CComInit com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ShellOpen(file, parameters);
}

ToolResolution Resolve(const std::wstring& address) {
    ToolResolution result;
    fw::CResolvedAddress resolved;
    if (resolved.Resolve(fw::ToNarrow(address, CP_THREAD_ACP), nullptr, nullptr) != 0 || !resolved.First())
        return result;
    const addrinfo* first = resolved.First();
    if (first->ai_family == AF_INET) {
        result.family = ToolResolution::IPv4;
    } else if (first->ai_family == AF_INET6) {
        result.family = ToolResolution::IPv6;
        wchar_t text[150] = {};
        DWORD length = 150;
        if (WSAAddressToStringW(first->ai_addr, static_cast<DWORD>(first->ai_addrlen), nullptr, text, &length) == 0)
            result.ipv6Text = text;
    } else {
        result.family = ToolResolution::Other;
    }
    return result;
}

struct NetToolJob {
    NetTool tool;
    ToolSubject subject;
};

unsigned __stdcall NetToolThreadProc(void* param) {
    std::unique_ptr<NetToolJob> job(static_cast<NetToolJob*>(param));
    ToolResolution resolution;
    if (NetToolNeedsResolution(job->subject)) resolution = Resolve(job->subject.address);
    const std::wstring target = NetToolTarget(job->tool, job->subject, resolution);
    if (!target.empty()) ShellOpenOnWorker(target, std::wstring());
    return 0;
}

struct CommandJob {
    std::wstring program;
    std::wstring parameters;
    PlaceholderSubject subject;
};

unsigned __stdcall CommandThreadProc(void* param) {
    std::unique_ptr<CommandJob> job(static_cast<CommandJob*>(param));
    ShellOpenOnWorker(job->program, CommandParameters(job->program, job->parameters, job->subject, fw::LocalNow()));
    return 0;
}

template <typename Job>
bool StartJob(unsigned(__stdcall* proc)(void*), Job* job) {
    std::unique_ptr<Job> owned(job);
    if (!fw::BeginDetachedThread(proc, job)) return false;
    owned.release();  // the worker's now
    return true;
}

}  // namespace

void LaunchTool(UINT command, const ToolSubject& subject, bool& modalBusy) {
    const std::wstring refusal = ToolRefusalText(command, subject);
    if (!refusal.empty()) {
        ModalBusy busy(modalBusy);
        fw::AppMessageBox(refusal);
        return;
    }
    switch (command) {
    case ID_BOX_WEB: StartJob(NetToolThreadProc, new NetToolJob{NetTool::Web, subject}); return;
    case ID_BOX_FTP: StartJob(NetToolThreadProc, new NetToolJob{NetTool::Ftp, subject}); return;
    case ID_BOX_SHARES: StartJob(NetToolThreadProc, new NetToolJob{NetTool::Shares, subject}); return;
    default: {
        ShellLaunch launch;
        if (HostCommandLaunch(command, ToolHost(subject), launch)) ShellOpen(launch.file, launch.parameters);
    }
    }
}

bool StartCommand(const std::wstring& program, const std::wstring& parameters, const PlaceholderSubject& subject) {
    return StartJob(CommandThreadProc, new CommandJob{program, parameters, subject});
}

std::wstring CommandParameters(const std::wstring& program, const std::wstring& parameters,
                               const PlaceholderSubject& subject, const SYSTEMTIME& now) {
    return ExpandPlaceholders(parameters, PlaceholderUse::Command, subject, now, RunsInCommandInterpreter(program));
}
