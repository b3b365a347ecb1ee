// kedravo-lines: a page's lines out to a CSV file and in from one, from the command line.
#include "arguments.h"
#include "lines_command.h"
#include "platform/local_file_system.h"
#include "platform/system_clock.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace kedravo;
    const std::unique_ptr<platform::FileSystem> files = platform::makeLocalFileSystem();
    platform::SystemClock clock;
    return lines_tool::runLinesCommand(lines_tool::commandArguments(argc, argv), *files, clock, std::cout, std::cerr);
}
