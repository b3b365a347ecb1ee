#include "platform/win32/win32_script_backend.h"
#include "toolkit_contract.h"

namespace kedravo::test {

INSTANTIATE_TEST_SUITE_P(Win32, ToolkitContract,
                         testing::Values(ContractBackend{"win32", [] { return platform::makeWin32Backend(); }}),
                         contractBackendName);

} // namespace kedravo::test
