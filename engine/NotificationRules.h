#pragma once
// The decisions of the notification dispatch, free of threads and windows: which
// statuses a mask selects, when a notification fires, when a result is logged and
// which sound a notification makes.
#include <optional>
#include <string>
#include <windows.h>

#include "engine/SoundRequest.h"

class CMonitorRecord;

// A counter holding this value: the notification has fired for the current status.
constexpr UINT kNotifiedCount = 0xFFFF;

// Sound and message-box masks: 0x01 Up/Open, 0x02 Down, 0x04 Closed/S.n.F., 0x08 errors 4 and 5.
bool StatusNotifyMaskHas(UINT mask, int status);
// Execute-file mask: as above, but 0x08 is status 5 and 0x10 status 4.
bool ExecStatusMaskHas(UINT mask, int status);

// The repeat rule for a status in the kind's mask. Returns true when the notification
// fires now; `counter` is updated. With threshold N it fires at the (N+1)-th
// consecutive check of a new status, once.
bool ApplyRepeatRule(UINT& counter, UINT threshold, bool statusChanged);

// What the monitoring thread remembers of its previous result (all 0 at its start).
struct PreviousResult {
    int status = 0;
    DWORD error = 0;
    DWORD ipStatus = 0;
};

// True when a result must be logged (logging switched on is the caller's test).
bool IsLogDue(int status, DWORD error, DWORD ipStatus, const PreviousResult& previous, bool logEveryCheck);

// The process-wide error-sound settings.
struct ErrorSoundSettings {
    int customSoundError = 0;
    std::wstring customSoundPathError;
    int textSpeechSoundError = 0;
    std::wstring textSpeechTextError;
};

// The custom-sound slot (0..5: Up, Down, Open, Closed, TCP Down, S.n.F.) of a status
// and method, or -1 when the pair has none.
int SoundSlot(int status, UINT method);

// The sound request of a due sound notification of `record` (its status and method).
SoundRequest ChooseSound(const CMonitorRecord& record, const ErrorSoundSettings& errorSounds);

// Settings read afresh at every dispatch.
struct DispatchSettings {
    bool enableLog = false;
    bool logEveryCheck = false;
};

struct NotificationDecision {
    bool sound = false;
    bool msgBox = false;
    bool log = false;
    bool execFile = false;
};

// Applies one dispatch to `record` (whose status, error and IP status are the new
// result): advances its three counters and tells what to start. The caller then
// stores the new result as the previous one.
NotificationDecision DecideNotifications(CMonitorRecord& record, const PreviousResult& previous,
                                         const DispatchSettings& settings);
