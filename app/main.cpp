#include <cstdio>

int main()
{
    std::fputs("norvane: the main window is not built yet; run scripts/test.sh to test the configuration store\n", stderr);
    return 1;
}
