#include "app/FontPath.h"

#include <cstdio>
#include <cstring>

const char* const FontPathSuffix = "\\fonts\\ipag.ttf";

bool buildFontPath(const char* workingDirectory, char (&buffer)[FontPathBufferSize])
{
    memset(buffer, 0, sizeof(buffer));
    if (!workingDirectory)
        workingDirectory = "";

    const int written = snprintf(buffer, sizeof(buffer), "%s%s", workingDirectory, FontPathSuffix);
    if (written < 0 || (size_t)written >= sizeof(buffer))
    {
        memset(buffer, 0, sizeof(buffer));
        return false;
    }

#if !defined(_WIN32)
    // Only the suffix is ours to map; the working directory is the system's own.
    for (size_t i = strlen(workingDirectory); buffer[i]; ++i)
        if (buffer[i] == '\\')
            buffer[i] = '/';
#endif
    return true;
}
