// The transcript is compared byte for byte: on Windows, standard output is put in binary mode before anything is
// written, so that "\n" does not become CR LF.
#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {

[[maybe_unused]] const int previousMode = _setmode(_fileno(stdout), _O_BINARY);

} // namespace
