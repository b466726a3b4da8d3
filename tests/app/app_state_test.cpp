#include <gtest/gtest.h>

#include "app/app_state.h"

using namespace tarvo;

TEST(AppState, StartsZeroAndEmptyWithRecordsAllocated) {
    AppState s;
    EXPECT_TRUE(s.programFolder.empty());
    EXPECT_FALSE(s.loggedOut);
    EXPECT_FALSE(s.rememberPassword);
    EXPECT_TRUE(s.account.userName.empty() && s.account.password.empty() &&
                s.account.dataJson.empty());
    EXPECT_EQ(s.shownCount + s.normalCount + s.faultCount + s.selectedRow + s.viewMode +
                  s.selectedRowData + s.selectionIcon,
              0);
    EXPECT_TRUE(s.catalogue.groups.empty());
    EXPECT_FALSE(s.catalogue.lock.IsCreated());  // the main window creates it
    EXPECT_FALSE(s.vpnState.lock.IsCreated());
    EXPECT_EQ(s.vpnState.MuoShi, 0);
    EXPECT_EQ(s.vpnState.currentNode.linkState, 0);
    EXPECT_FALSE(s.vpnState.policy.redialPending);
    EXPECT_NE(s.trayIcon, nullptr);  // constructed at start-up
    EXPECT_TRUE(s.selectedNode.domain.empty());
}

TEST(AppState, OneInstanceUntilTheExitRoutine) {
    AppState& a = constructAppState();
    a.typedUserName = "u";
    AppState& b = constructAppState();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(appState().typedUserName, "u");
    releaseAppState();
    EXPECT_FALSE(hasAppState());
    releaseAppState();  // a second release is harmless
}
