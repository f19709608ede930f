#include "tests/fuzz/SilentPrompter.h"

void SilentPrompter::install()
{
    static SilentPrompter silent;
    setPrompter(&silent);
}
