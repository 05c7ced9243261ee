#include "platform/RunningApps.h"

#import <AppKit/AppKit.h>

namespace RunningApps {

QList<RunningApplication> list() {
    QList<RunningApplication> apps;
    @autoreleasepool {
        for (NSRunningApplication* running in NSWorkspace.sharedWorkspace.runningApplications) {
            RunningApplication app;
            if (running.bundleIdentifier)
                app.bundleIdentifier = QString::fromNSString(running.bundleIdentifier);
            if (running.bundleURL.path) app.bundlePath = QString::fromNSString(running.bundleURL.path);
            if (running.localizedName) app.name = QString::fromNSString(running.localizedName);
            apps.append(app);
        }
    }
    return apps;
}

} // namespace RunningApps
