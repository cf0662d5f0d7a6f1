#include "shell/KernelHandleCount.h"

#include <atomic>

namespace {
std::atomic<long> g_live{0};
}

long KernelHandleCount::Live() {
    return g_live.load();
}

void KernelHandleCount::Opened() {
    ++g_live;
}

void KernelHandleCount::Closed() {
    --g_live;
}
