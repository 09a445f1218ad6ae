// A stand-in for a program the drill starts: it creates the empty file that the variable
// DRILL_SEGNO names, and ends. Standard C only, so it runs wherever it is copied.
#include <cstdio>
#include <cstdlib>

int main() {
    const char* segno = std::getenv("DRILL_SEGNO");
    if (!segno)
        return 1;
    std::FILE* file = std::fopen(segno, "w");
    return file && std::fclose(file) == 0 ? 0 : 1;
}
