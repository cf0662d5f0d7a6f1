// Process-wide count of the kernel objects held open by the application's handle holders, so a soak test
// can tell whether handles leak.
#pragma once

class KernelHandleCount {
public:
    static long Live();
    static void Opened();
    static void Closed();
};
