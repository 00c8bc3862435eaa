// Writes the empty game database template (three tables, no rows) that start-up copies over
// the working file.
#include <cstdio>
#include <exception>

#include "game/schema.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zenthar-mktemplate FILE\n");
        return 2;
    }
    try {
        zenthar::CreateTemplateDatabase(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zenthar-mktemplate: %s\n", e.what());
        return 1;
    }
    return 0;
}
