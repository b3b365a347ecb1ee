#include "platform/qt/qt_script_backend.h"
#include "qt_application.h"
#include "toolkit_contract.h"

namespace kedravo::test {

// One QApplication serves every backend the suite makes.
INSTANTIATE_TEST_SUITE_P(Qt, ToolkitContract,
                         testing::Values(ContractBackend{"qt",
                                                         [] {
                                                             int argc = 0;
                                                             platform::qt::qtApplication();
                                                             return platform::makeQtBackend(argc, nullptr);
                                                         }}),
                         contractBackendName);

} // namespace kedravo::test
