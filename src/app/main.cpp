// Zevora - a text-based HTML editor.
#include "mStart.h"

int main(int argc, char *argv[])
{
    return mStart::Main(argc, argv);
}
