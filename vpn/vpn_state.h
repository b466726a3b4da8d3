#pragma once
// The connection record: protocol, options and the node being (or last) dialled.
#include <cstdint>
#include <string>

#include "nodes/node_record.h"
#include "support/critical_section_lock.h"

namespace tarvo {

// The state code kept in `VpnState::currentNode.linkState`.
enum ConnectionState : int32_t {
    kNeverDialled = 0,
    kConnecting = 1,
    kConnected = 2,
    kDisconnecting = 3,
    kDisconnected = 4,
};

struct ReconnectPolicy {
    bool KaiQi = false;      // kept for the state file only
    bool ChongLian = false;  // timed reconnect
    int64_t lastTick = 0;    // ms tick of the last connect or timed reconnect
    int32_t CL_JianGe = 0;   // timed-reconnect interval, seconds
    bool GengHuan = false;   // redial when the connection drops
    bool HuiFu = false;      // disable an adapter when the connection drops
    std::string HF_WangKa;   // adapter to disable or restore
    bool redialPending = false;
};

struct VpnState {
    CriticalSectionLock lock;  // created with the main window; no operation enters it
    int32_t MuoShi = 0;        // 1 PPTP, 3 L2TP, 5 SSTP; 0 reads as 1
    bool YinChang = false;     // hide the main window after connecting
    ReconnectPolicy policy;
    NodeRecord currentNode;
};

}  // namespace tarvo
