#include "platform/headless/headless_script_backend.h"
#include "toolkit_contract.h"

namespace kedravo::test {

INSTANTIATE_TEST_SUITE_P(Headless, ToolkitContract,
                         testing::Values(ContractBackend{"headless", [] { return platform::makeHeadlessBackend(); }}),
                         contractBackendName);

} // namespace kedravo::test
