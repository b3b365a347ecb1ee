#include "arguments.h"
#include "platform/win32/wide_text.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace kedravo::lines_tool {

// argv holds the words in the ANSI code page, which may not hold a page's name; the wide command line does. The
// CSV goes out byte for byte, and the console shows the UTF-8 messages as they are.
std::vector<std::string> commandArguments(int, char**) {
    _setmode(_fileno(stdout), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int k = 1; words && k < count; ++k)
        args.push_back(platform::win32::narrow(words[k]));
    LocalFree(words);
    return args;
}

} // namespace kedravo::lines_tool
