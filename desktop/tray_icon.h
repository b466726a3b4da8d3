#pragma once
// The notification-area icon object. AppState constructs it at start-up; the main window attaches
// it when it opens and removes it when it closes. Its operations live with the tray code.
namespace tarvo {

class TrayIcon {
public:
    TrayIcon() = default;
    virtual ~TrayIcon() = default;
};

}  // namespace tarvo
