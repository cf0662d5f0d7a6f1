// Asks or tells the user something in the application's message box and waits for the answer.
#pragma once

// mode 0: "OK"; 4: "YES" and "NO"; any other value: no buttons. Returns 1 for "OK" or "YES", 2 for "NO",
// otherwise what the modal loop returned. Null texts show as empty lines. User-interface thread only.
unsigned ShowUIMessageBox(const wchar_t* text, const wchar_t* title, int mode);
