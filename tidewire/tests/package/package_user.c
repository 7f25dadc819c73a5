/* Opens a dataset for writing through the installed library and closes it. */
#include <stdio.h>

#include <tidewire.h>

int main(void)
{
    const int32_t mode = 1;
    int32_t handle = 0, error = -1;
    _twopen("package_user.lnk", &mode, &handle, &error);
    if (error == 0) _twclose(&handle, &error);
    if (error != 0) {
        char text[256];
        _twgetlasterror(text);
        fprintf(stderr, "%s\n", text);
    }
    return error == 0 ? 0 : 1;
}
