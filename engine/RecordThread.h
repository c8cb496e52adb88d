#pragma once
// How monitoring threads are created (CMonitorRecord::StartThread is defined with the
// engine, in RecordThread.cpp).
#include "framework/Thread.h"

// Creates a monitoring thread suspended; false, with the system's error left for
// GetLastError, when it cannot be created (the process at its thread limit).
using MonitorThreadCreator = bool (*)(fw::CWinThread& thread);

// Puts `creator` in the system's place (none: the system's again), so that a test can
// make creations fail; returns the one it replaces.
MonitorThreadCreator SetMonitorThreadCreator(MonitorThreadCreator creator);
