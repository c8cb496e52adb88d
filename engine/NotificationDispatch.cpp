#include "engine/LogWriter.h"
#include "engine/NetThread.h"
#include "engine/NotificationRules.h"
#include "engine/NotificationWorkers.h"
#include "engine/SoundThread.h"
#include "model/SharedSettings.h"

void CNetThread::DispatchNotifications() {
    CSharedSettings& shared = CSharedSettings::Get();
    const PreviousResult previous{m_nPrevStatus, m_dwPrevError, m_dwPrevIpStatus};
    DispatchSettings settings;
    settings.enableLog = shared.EnableLog.load() != 0;
    settings.logEveryCheck = shared.LogEveryCheck.load() != 0;

    const NotificationDecision due = DecideNotifications(m_Record, previous, settings);
    if (due.sound) {
        ErrorSoundSettings errorSounds;
        errorSounds.customSoundError = shared.CustomSoundError.load();
        errorSounds.customSoundPathError = shared.CustomSoundPathError();
        errorSounds.textSpeechSoundError = shared.TextSpeechSoundError.load();
        errorSounds.textSpeechTextError = shared.TextSpeechTextError();
        StartSound(ChooseSound(m_Record, errorSounds));
    }
    // A box that finds no room is not shown; the other kinds go on regardless.
    if (due.msgBox) StartMessageBox(m_Check.CallBudget(), m_Record, m_resultTime);
    if (due.log) QueueLogLine(m_Record, m_resultTime);
    if (due.execFile) {
        const ProgramQueued queued = QueueProgramRun(m_Check.CallBudget(), m_Record, m_resultTime);
        // The day log is where a user of a tray program looks: a program not run says so
        // there, beside its result's line (but for the program's own end).
        if (queued != ProgramQueued::Queued && queued != ProgramQueued::Ending && settings.enableLog)
            QueueNotRunLine(m_Record, m_resultTime, ProgramNotRunText(queued));
    }

    m_nPrevStatus = m_Record.m_nStatus;
    m_dwPrevError = m_Record.m_dwError;
    m_dwPrevIpStatus = m_Record.m_dwIpStatus;
}
