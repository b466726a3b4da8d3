#pragma once
// The process-wide variables. Exactly one instance lives from start-up to the exit routine;
// each variable belongs to the subsystem named beside it, which says when it changes.
#include <cstdint>
#include <memory>
#include <string>

#include "app/account_info.h"
#include "desktop/tray_icon.h"
#include "nodes/node_record.h"
#include "vpn/vpn_state.h"

namespace tarvo {

struct AppState {
    // login window and remembered credentials
    std::string programFolder;  // ends in the path separator; APP.INI lies in it
    std::string typedUserName;
    std::string typedPassword;
    bool rememberPassword = false;
    bool autoLogin = false;
    // main window lifecycle
    bool loggedOut = false;  // set by the first logout, never cleared
    // account login
    AccountInfo account;
    // node list view
    int32_t shownCount = 0;
    int32_t normalCount = 0;
    int32_t faultCount = 0;
    // node catalogue (its lock is created with the main window)
    NodeCatalogue catalogue;
    // connection record (its lock is created with the main window)
    VpnState vpnState;
    // selection
    int32_t selectedRow = 0;
    // node list view
    int32_t viewMode = 0;
    std::string viewRegionName;
    bool viewBusy = false;
    // adapter guard
    std::string pickedAdapterName;
    bool pickerConfirmed = false;
    // selection
    int32_t selectedRowData = 0;
    // node-list download
    bool refreshBusy = false;
    // confirm window
    std::string confirmQuestion;
    // cache files: folder of pz.ini and the caches, ends in the path separator
    std::string dataFolder;
    // tray icon, constructed with the state
    std::unique_ptr<TrayIcon> trayIcon = std::make_unique<TrayIcon>();
    // icon drawn in front of the selected row (0: none)
    int32_t selectionIcon = 0;
    // the node the user selected in the list
    NodeRecord selectedNode;
};

// Start-up step 2 and 3: constructs the one instance and registers the exit routine that
// releases it. Calling it again while an instance exists changes nothing.
AppState& constructAppState();
// The one instance; constructAppState() must have run.
AppState& appState();
bool hasAppState();
// The exit routine: releases every text and record of the state. Writes no file.
void releaseAppState();

}  // namespace tarvo
