#include "engine/NotificationRules.h"

#include <climits>

#include "model/MonitorRecord.h"

bool StatusNotifyMaskHas(UINT mask, int status) {
    switch (status) {
    case MON_UP: return (mask & 0x01) != 0;
    case MON_DOWN: return (mask & 0x02) != 0;
    case MON_CLOSED: return (mask & 0x04) != 0;
    case MON_ERROR:
    case MON_ADDR_ERROR: return (mask & 0x08) != 0;
    default: return false;
    }
}

bool ExecStatusMaskHas(UINT mask, int status) {
    switch (status) {
    case MON_UP: return (mask & 0x01) != 0;
    case MON_DOWN: return (mask & 0x02) != 0;
    case MON_CLOSED: return (mask & 0x04) != 0;
    case MON_ADDR_ERROR: return (mask & 0x08) != 0;
    case MON_ERROR: return (mask & 0x10) != 0;
    default: return false;
    }
}

bool ApplyRepeatRule(UINT& counter, UINT threshold, bool statusChanged) {
    if (statusChanged) counter = 0;
    if (counter == kNotifiedCount) return false;
    // Counting steps over the "notified" value, so that thresholds of 65535 and more
    // still fire; a count above it is one more than the checks it stands for.
    const UINT checksSeen = counter > kNotifiedCount ? counter - 1 : counter;
    if (checksSeen >= threshold || counter == UINT_MAX) {
        counter = kNotifiedCount;
        return true;
    }
    ++counter;
    if (counter == kNotifiedCount) ++counter;
    return false;
}

bool IsLogDue(int status, DWORD error, DWORD ipStatus, const PreviousResult& previous, bool logEveryCheck) {
    switch (status) {
    case MON_DOWN:
    case MON_UP:
    case MON_ERROR:
    case MON_ADDR_ERROR:
    case MON_CLOSED: break;
    default: return false;
    }
    if (status != previous.status) return true;
    if (logEveryCheck && (status == MON_UP || status == MON_CLOSED)) return true;
    return status != MON_UP && (error != previous.error || ipStatus != previous.ipStatus);
}

int SoundSlot(int status, UINT method) {
    const bool pingOrUrl = method == METHOD_PING || method == METHOD_URL;
    if (status == MON_UP && pingOrUrl) return 0;
    if (status == MON_DOWN && pingOrUrl) return 1;
    if (status == MON_UP && method == METHOD_TCP) return 2;
    if (status == MON_CLOSED && method == METHOD_TCP) return 3;
    if (status == MON_DOWN && method == METHOD_TCP) return 4;
    if (status == MON_CLOSED && method == METHOD_URL) return 5;
    return -1;
}

SoundRequest ChooseSound(const CMonitorRecord& record, const ErrorSoundSettings& errorSounds) {
    SoundRequest request;
    const int status = record.m_nStatus;
    request.nStatus = status;
    if (status == MON_ERROR || status == MON_ADDR_ERROR) {
        request.strWavFile = errorSounds.customSoundPathError;
        request.bCustomWav = errorSounds.customSoundError;
        request.bSpeak = errorSounds.textSpeechSoundError;
        request.strSpeech = errorSounds.textSpeechTextError;
        request.strName = record.Name;
        return request;
    }
    const int slot = SoundSlot(status, record.CheckMethod);
    if (slot < 0) return request;
    const std::wstring* files[] = {&record.CustSoundPathUp,    &record.CustSoundPathDown,
                                   &record.CustSoundPathOpen,  &record.CustSoundPathClose,
                                   &record.CustSoundTcpPathDown, &record.CustSoundPathSnF};
    const std::wstring* texts[] = {&record.TextSpeechStringUp,    &record.TextSpeechStringDown,
                                   &record.TextSpeechStringOpen,  &record.TextSpeechStringClose,
                                   &record.TextSpeechStringTDown, &record.TextSpeechStringSnF};
    const UINT bit = 1u << slot;
    if (record.CustomSoundCheck & 0xFF & bit) {
        request.strWavFile = *files[slot];
        request.bCustomWav = TRUE;
    } else if (record.TextSpeechCheck & 0xFF & bit) {
        request.bSpeak = TRUE;
        request.strSpeech = *texts[slot];
        request.strName = record.Name;
    }
    return request;
}

NotificationDecision DecideNotifications(CMonitorRecord& record, const PreviousResult& previous,
                                         const DispatchSettings& settings) {
    NotificationDecision decision;
    const int status = record.m_nStatus;
    const bool changed = status != previous.status;
    // Each switch the window may clear meanwhile is read once.
    const UINT soundMask = record.Sound;
    if (StatusNotifyMaskHas(soundMask & 0xFF, status))
        decision.sound = ApplyRepeatRule(record.m_nSoundCount, record.nPS, changed);
    const UINT msgBoxMask = record.MsgBox;
    if (StatusNotifyMaskHas(msgBoxMask & 0xFF, status))
        decision.msgBox = ApplyRepeatRule(record.m_nMsgBoxCount, record.nMSGB, changed);
    decision.log = settings.enableLog &&
                   IsLogDue(status, record.m_dwError, record.m_dwIpStatus, previous, settings.logEveryCheck);
    const UINT execOn = record.ExecFileCheck;
    if (execOn != 0 && ExecStatusMaskHas(record.ExecFileStatusCheck & 0xFF, status))
        decision.execFile = ApplyRepeatRule(record.m_nExecCount, record.nEF, changed);
    return decision;
}
