// placeholder, replaced by the board generator
#include <cstdio>
int main() { return 0; }
