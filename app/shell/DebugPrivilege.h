// Enables SeDebugPrivilege in the process token, so the elevated application can end a server process of
// another session.
#pragma once

// True only when the privilege was actually enabled (ERROR_NOT_ALL_ASSIGNED yields false).
bool EnableDebugPrivilege();
