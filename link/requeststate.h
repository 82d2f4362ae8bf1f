#pragma once

// Which reply the tool is waiting for, and so what the next step of the running
// sequence is. The numbers are fixed: the reply and step handlers both test them.
enum RequestState : int {
    Idle = 0,
    StatusFirst = 1,
    StatusSecond = 2,
    SetupRead = 3,
    SetupWrite = 4,
    HistoryWait = 5,
    HistoryPages = 6,
    BmsInfoWait = 7,
    BmsInfoPages = 8,
    FwHeader = 9,
    FwPackets = 10,
    FwResult = 13,
    HistoryNext = 14,
    PtHeader = 17,
    PtPackets = 18,
    PtResult = 19,
    BmsExtendWrite = 20,
};

// The read whose stall the reply timer ends.
enum GuardedOp : int {
    NoGuard = 0,
    GuardStatus = 1,
    GuardHistory = 5,
    GuardBmsInfo = 7,
};
