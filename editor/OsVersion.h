#pragma once
// What the key grid needs to know of the running system to find its reserved rows: the platform
// and version as GetVersionExA reports them. `known` is false when the call failed.
struct OsVersion {
    bool known = false;
    unsigned long platformId = 0;  // 1: Windows 9x platform, 2: NT platform
    unsigned long majorVersion = 0;
    unsigned long minorVersion = 0;
};
