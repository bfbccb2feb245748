// tarnwell-cli: see app/cli_run.h.
#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/cli_run.h"

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Descriptions may hold any byte and lines end in CR LF already: no
    // translation of line ends on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    return runCli(argc, argv, stdout, stderr);
}
