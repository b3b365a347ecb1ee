#pragma once
// Runs the messages waiting for this thread's windows (painting, posted notifications) and returns.
namespace kedravo::platform::win32 {

void pumpMessages();

} // namespace kedravo::platform::win32
